#pragma once

class QString;
class QWidget;

namespace ui {

// A modal warning with the caption, the plain text and an OK button; returns once it is closed.
void showMessageBox(QWidget* parent, const QString& caption, const QString& text);

} // namespace ui
