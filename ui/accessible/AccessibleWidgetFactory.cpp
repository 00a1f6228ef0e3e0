#include "ui/accessible/AccessibleWidgetFactory.h"

#include "ui/Label.h"
#include "ui/MenuItem.h"
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
#include <QMenu>
#include <QMessageBox>

namespace ui {

QAccessibleInterface* accessibleWidgetInterface(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<Window*>(object))
        return new AccessibleWindow(window);
    if (auto* box = dynamic_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = dynamic_cast<Label*>(object))
        return new AccessibleLabel(label);
    if (auto* item = dynamic_cast<MenuItem*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent()))
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
