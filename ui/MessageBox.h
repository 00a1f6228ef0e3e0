#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// A modal message with an OK button. Tests replace the presenter so that nothing blocks.
using MessagePresenter =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

void showMessage(QWidget* parent, const QString& caption, const QString& text);

// Installs a presenter and returns the one it replaces; an empty one restores the real box.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace ui
