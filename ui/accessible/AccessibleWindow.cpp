#include "ui/accessible/AccessibleWindow.h"

#include "ui/Announcer.h"
#include "ui/Window.h"
#include "ui/accessible/DevicePixels.h"

namespace ui {

AccessibleWindow::AccessibleWindow(Window* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

QAccessibleInterface* AccessibleWindow::announcer() const {
    return QAccessible::queryAccessibleInterface(&static_cast<Window*>(widget())->announcer());
}

int AccessibleWindow::childCount() const {
    return QAccessibleWidget::childCount() + 1;
}

QAccessibleInterface* AccessibleWindow::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    return index == widgets ? announcer() : QAccessibleWidget::child(index);
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child->object() == announcer()->object())
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

QRect AccessibleWindow::rect() const {
    return toDevicePixels(QAccessibleWidget::rect(), *widget());
}

} // namespace ui
