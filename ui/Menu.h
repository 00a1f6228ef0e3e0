#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

class Window;

// One drop-down menu of a window's menu bar. Its items' accelerators act whenever the window
// is active, also ahead of a focused text box's own use of the same keys.
class Menu {
public:
    Menu(Window& window, QMenuBar& menuBar, const char* name, const QString& caption);

    QAction* addItem(const char* name, const QString& caption, const QKeySequence& accelerator,
                     std::function<void()> handler);
    QAction* addItem(const char* name, const QString& caption, std::function<void()> handler);

private:
    Window& window_;
    QMenu* menu_;
};

} // namespace ui
