#pragma once

#include <QColor>

class QWidget;

namespace ui {

// Paints a control's text and background in fixed colours, whatever the desktop's scheme.
void setColours(QWidget& control, const QColor& text, const QColor& background);

// Paints only the background behind a window's controls; the controls keep their own colours.
void setBackground(QWidget& area, const QColor& background);

} // namespace ui
