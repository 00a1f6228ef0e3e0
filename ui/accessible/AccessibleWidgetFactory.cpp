#include "ui/accessible/AccessibleWidgetFactory.h"

#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleLabel.h"
#include "ui/accessible/AccessibleMenuItem.h"
#include "ui/accessible/AccessibleMessageButton.h"
#include "ui/accessible/AccessibleTextBox.h"
#include "ui/accessible/AccessibleWindow.h"
#include "ui/accessible/AnnouncementTransport.h"
#include "ui/accessible/ScreenReaderBridge.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace ui {

QAccessibleInterface* accessibleWidgetInterface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<Window*>(object))
        return new AccessibleWindow(window);
    if (auto* box = qobject_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleLabel(label);
    // The items of a drop-down menu; a menu's own action is its entry in the menu bar.
    if (auto* item = qobject_cast<QAction*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent()); menu && item != menu->menuAction())
            return new AccessibleMenuItem(menu, item);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        // Made as the box is, before its message can name the button.
        if (qobject_cast<QMessageBox*>(button->window()))
            return new AccessibleMessageButton(button);
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
