#include "ui/accessible/AccessibleWidgetFactory.h"

#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleButton.h"
#include "ui/accessible/AccessibleLabel.h"
#include "ui/accessible/AccessibleMenuItem.h"
#include "ui/accessible/AccessibleQtWidgets.h"
#include "ui/accessible/AccessibleTextBox.h"
#include "ui/accessible/AccessibleWindow.h"
#include "ui/accessible/AnnouncementTransport.h"
#include "ui/accessible/ScreenReaderBridge.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

QAccessibleInterface* accessibleWidgetInterface(const QString&, QObject* object) {
    if (auto* window = qobject_cast<Window*>(object))
        return new AccessibleWindow(window);
    if (auto* box = qobject_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleLabel(label);
    // The items of a drop-down menu, and its own action: its entry in the menu bar.
    if (auto* item = qobject_cast<QAction*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent())) {
            if (item != menu->menuAction())
                return new AccessibleMenuItem(menu, item);
            if (auto* bar = qobject_cast<QMenuBar*>(menu->parentWidget()))
                return new AccessibleMenuItem(bar, item);
        }
    }
    // The Qt widgets in the windows, as Qt makes them, in the display server's own unit.
    if (auto* button = qobject_cast<QPushButton*>(object))
        return new AccessibleButton(button);
    // Not its subclasses, such as a tool tip.
    if (object->metaObject() == &QLabel::staticMetaObject)
        return new AccessibleDisplay(static_cast<QLabel*>(object));
    if (auto* box = qobject_cast<QMessageBox*>(object))
        return new AccessibleMessageBox(box);
    if (auto* bar = qobject_cast<QMenuBar*>(object))
        return new AccessibleMenuBar(bar);
    if (auto* menu = qobject_cast<QMenu*>(object))
        return new AccessibleMenu(menu);
    if (auto* buttons = qobject_cast<QDialogButtonBox*>(object)) {
        if (qobject_cast<QMessageBox*>(buttons->window()) &&
            QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            return new AccessibleMessageButtons(buttons);
        return new AccessibleWidget(buttons, QAccessible::Grouping);
    }
    // A plain widget that holds others, such as a window's client area.
    if (object->metaObject() == &QWidget::staticMetaObject)
        return new AccessibleWidget(static_cast<QWidget*>(object));
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
