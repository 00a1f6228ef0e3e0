#include "ui/Menu.h"

#include "ui/Window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ui {

Menu::Menu(Window& window, QMenuBar& menuBar, const char* name, const QString& caption)
    : window_(window), menu_(new QMenu(caption, &menuBar)) {
    menu_->setObjectName(QString::fromLatin1(name));
    menu_->menuAction()->setObjectName(QString::fromLatin1(name));
    menuBar.addMenu(menu_);
}

QAction* Menu::addItem(const char* name, const QString& caption, const QKeySequence& accelerator,
                       std::function<void()> handler) {
    auto* action = new QAction(caption, menu_);
    action->setObjectName(QString::fromLatin1(name));
    if (!accelerator.isEmpty()) {
        action->setShortcut(accelerator);
        window_.registerMenuShortcut(accelerator, *action);
    }
    QObject::connect(action, &QAction::triggered, menu_, [handler = std::move(handler)] {
        if (handler)
            handler();
    });
    menu_->addAction(action);
    return action;
}

QAction* Menu::addItem(const char* name, const QString& caption, std::function<void()> handler) {
    return addItem(name, caption, QKeySequence(), std::move(handler));
}

} // namespace ui
