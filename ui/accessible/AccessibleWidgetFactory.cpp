#include "ui/accessible/AccessibleWidgetFactory.h"

#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleLabel.h"
#include "ui/accessible/AccessibleMenuItem.h"
#include "ui/accessible/AccessibleTextBox.h"
#include "ui/accessible/AnnouncementTransport.h"
#include "ui/accessible/ScreenReaderBridge.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>

namespace ui {

QAccessibleInterface* accessibleWidgetInterface(const QString&, QObject* object) {
    // A plain top-level QWidget reaches screen readers as a filler; these are windows, and a
    // screen reader announces a window's caption only when it knows that.
    if (auto* window = qobject_cast<Window*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* box = qobject_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleLabel(label);
    // The items of a drop-down menu; a menu's own action is its entry in the menu bar.
    if (auto* item = qobject_cast<QAction*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent()); menu && item != menu->menuAction())
            return new AccessibleMenuItem(menu, item);
    }
    return AnnouncementTransport::accessibleInterface(object);
}

void installAccessibility() {
    static ScreenReaderBridge bridge;
    static const bool installed = [] {
        QAccessible::installFactory(accessibleWidgetInterface);
        setAccessibilityBridge(&bridge);
        return true;
    }();
    (void)installed;
}

} // namespace ui
