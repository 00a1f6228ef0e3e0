#include "ui/accessible/AccessibleQtWidgets.h"

#include "ui/accessible/DisplayUnits.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace ui {

AccessibleDisplay::AccessibleDisplay(QLabel* label)
    : AccessibleWidget(label, QAccessible::StaticText) {}

QLabel* AccessibleDisplay::label() const {
    return static_cast<QLabel*>(widget());
}

QAccessible::Role AccessibleDisplay::role() const {
    return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
}

QString AccessibleDisplay::text(QAccessible::Text kind) const {
    QString text;
    if (kind == QAccessible::Name) {
        text = label()->accessibleName();
        if (text.isEmpty()) {
            text = label()->text();
            if (label()->buddy())
                text.remove(QLatin1Char('&'));
        }
    }
    return text.isEmpty() ? AccessibleWidget::text(kind) : text;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleDisplay::relations(QAccessible::Relation match) const {
    return withBuddy(AccessibleWidget::relations(match), match, *label());
}

void* AccessibleDisplay::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ImageInterface)
        return static_cast<QAccessibleImageInterface*>(this);
    return AccessibleWidget::interface_cast(type);
}

QString AccessibleDisplay::imageDescription() const {
    return label()->toolTip();
}

QSize AccessibleDisplay::imageSize() const {
    return rect().size();
}

QPoint AccessibleDisplay::imagePosition() const {
    return rect().topLeft();
}

AccessibleMessageBox::AccessibleMessageBox(QMessageBox* box)
    : AccessibleWidget(box, QAccessible::AlertMessage) {}

QString AccessibleMessageBox::text(QAccessible::Text kind) const {
    const auto* box = static_cast<const QMessageBox*>(widget());
    switch (kind) {
    case QAccessible::Name: {
        const QString caption = AccessibleWidget::text(kind);
        return caption.isEmpty() ? box->text() : caption;
    }
    case QAccessible::Description:
        return box->accessibleDescription();
    case QAccessible::Value:
        return box->text();
    case QAccessible::Help:
        return box->informativeText();
    default:
        return QString();
    }
}

AccessibleMessageButtons::AccessibleMessageButtons(QWidget* buttons)
    : AccessibleWidget(buttons, QAccessible::Window) {}

QAccessible::State AccessibleMessageButtons::state() const {
    QAccessible::State state = AccessibleWidget::state();
    state.active = widget()->isActiveWindow();
    return state;
}

AccessibleActions::AccessibleActions(QWidget* widget, QAccessible::Role role)
    : AccessibleWidget(widget, role) {}

int AccessibleActions::childCount() const {
    return static_cast<int>(widget()->actions().size());
}

QAccessibleInterface* AccessibleActions::child(int index) const {
    const QList<QAction*> actions = widget()->actions();
    return index >= 0 && index < actions.size()
               ? QAccessible::queryAccessibleInterface(actions.at(index))
               : nullptr;
}

int AccessibleActions::indexOfChild(const QAccessibleInterface* child) const {
    auto* action = child ? qobject_cast<QAction*>(child->object()) : nullptr;
    return action ? static_cast<int>(widget()->actions().indexOf(action)) : -1;
}

AccessibleMenuBar::AccessibleMenuBar(QMenuBar* bar)
    : AccessibleActions(bar, QAccessible::MenuBar) {}

AccessibleMenu::AccessibleMenu(QMenu* menu) : AccessibleActions(menu, QAccessible::PopupMenu) {}

QMenu* AccessibleMenu::menu() const {
    return static_cast<QMenu*>(widget());
}

QAccessibleInterface* AccessibleMenu::childAt(int x, int y) const {
    QAction* item =
        menu()->actionAt(menu()->mapFromGlobal(fromDisplayUnits(QPoint(x, y), *menu())));
    return item && !item->isSeparator() ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

// The entry that opens the menu, in the menu bar or menu that holds it.
QAccessibleInterface* AccessibleMenu::parent() const {
    QAction* opener = menu()->menuAction();
    QList<QObject*> holders{menu()->parentWidget()};
    holders.append(opener->associatedObjects());
    for (QObject* holder : std::as_const(holders)) {
        if ((qobject_cast<QMenu*>(holder) || qobject_cast<QMenuBar*>(holder)) &&
            static_cast<QWidget*>(holder)->actions().contains(opener))
            return QAccessible::queryAccessibleInterface(opener);
    }
    return AccessibleWidget::parent();
}

QString AccessibleMenu::text(QAccessible::Text kind) const {
    const QString text = AccessibleWidget::text(kind);
    if (text.isEmpty() && kind == QAccessible::Name)
        return menu()->windowTitle();
    return text;
}

} // namespace ui
