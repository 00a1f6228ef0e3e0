#include "ui/accessible/AccessibleWindow.h"

#include "ui/Window.h"
#include "ui/accessible/Announcer.h"
#include "ui/accessible/DisplayUnits.h"

namespace ui {

// FIXME(Qt 6.4 to 6.11): pinned by tst_main_window's screenReaderSeesNamesAndTexts.
// Qt gives a plain top-level widget the role of a client area, which reaches AT-SPI as a filler,
// and Orca announces no caption for it. Remove when Qt makes a top-level widget a window.
AccessibleWindow::AccessibleWindow(Window* window)
    : AccessibleWidget(window, QAccessible::Window) {}

// None before the window first tells something, and none where Qt has announcements of its own.
QAccessibleInterface* AccessibleWindow::announcer() const {
    auto* announcer = widget()->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer ? QAccessible::queryAccessibleInterface(announcer) : nullptr;
}

int AccessibleWindow::childCount() const {
    return AccessibleWidget::childCount() + (announcer() ? 1 : 0);
}

QAccessibleInterface* AccessibleWindow::child(int index) const {
    if (index == AccessibleWidget::childCount())
        return announcer();
    return AccessibleWidget::child(index);
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleInterface* area = announcer();
    if (child && area && child->object() == area->object())
        return AccessibleWidget::childCount();
    return AccessibleWidget::indexOfChild(child);
}

} // namespace ui
