#pragma once

#include "ui/Twips.h"

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <functional>
#include <utility>

class QAction;
class QMenuBar;

namespace ui {

class Menu;

// A top-level window of fixed size: an optional menu bar on top and, below it, a client area
// in which every control sits at an absolute position given in twips.
class Window : public QWidget {
    Q_OBJECT

public:
    Window(const char* name, const QString& caption, int clientWidthTwips, int clientHeightTwips);
    ~Window() override;

    // Runs once, right after the window and its controls have been created.
    virtual void Form_Load() {}

    QWidget* clientArea() const { return client_; }
    Menu& addMenu(const char* name, const QString& caption);

    // Called instead of closing when the player closes the window through its frame.
    void setFrameCloseHandler(std::function<void()> handler);

    void registerMenuShortcut(const QKeySequence& shortcut, QAction& item);
    bool isMenuShortcut(const QKeySequence& keys) const;

    // Tells screen readers, once, about a change of `source` away from the focus.
    void announce(const QObject& source, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* client_;
    QMenuBar* menuBar_ = nullptr;
    QList<Menu*> menus_;
    QList<std::pair<QKeySequence, QAction*>> menuShortcuts_;
    std::function<void()> frameCloseHandler_;
};

} // namespace ui
