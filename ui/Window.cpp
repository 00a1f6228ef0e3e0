#include "ui/Window.h"

#include "ui/AccessibilityBridge.h"
#include "ui/KeyPosition.h"
#include "ui/Menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

Window::Window(const char* name, const QString& caption, int clientWidthTwips,
               int clientHeightTwips)
    : client_(new QWidget(this)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_QuitOnClose, false);

    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
}

Window::~Window() {
    qDeleteAll(menus_);
}

Menu& Window::addMenu(const char* name, const QString& caption) {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(QStringLiteral("menuBar"));
        layout()->setMenuBar(menuBar_);
    }
    menus_.append(new Menu(*this, *menuBar_, name, caption));
    return *menus_.last();
}

void Window::setFrameCloseHandler(std::function<void()> handler) {
    frameCloseHandler_ = std::move(handler);
}

void Window::registerMenuShortcut(const QKeySequence& shortcut, QAction& item) {
    menuShortcuts_.append({shortcut, &item});
}

bool Window::isMenuShortcut(const QKeySequence& keys) const {
    return std::any_of(menuShortcuts_.cbegin(), menuShortcuts_.cend(),
                       [&keys](const auto& entry) { return entry.first == keys; });
}

// A key reaches here when neither the shortcut map nor the focused control took it.
void Window::keyPressEvent(QKeyEvent* event) {
    const QKeySequence accelerator = acceleratorByKeyPosition(*event);
    for (const auto& [shortcut, item] : std::as_const(menuShortcuts_)) {
        if (!accelerator.isEmpty() && shortcut == accelerator && item->isEnabled()) {
            event->accept();
            item->trigger();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Window::announce(const QObject& source, const QString& text) {
    if (auto* bridge = accessibilityBridge())
        bridge->announce(*this, source, text);
}

void Window::closeEvent(QCloseEvent* event) {
    if (!frameCloseHandler_) {
        QWidget::closeEvent(event);
        return;
    }
    // The window is kept for the rest of the run; what a frame close means is the form's call.
    event->ignore();
    frameCloseHandler_();
}

} // namespace ui

#include "moc_Window.cpp"
