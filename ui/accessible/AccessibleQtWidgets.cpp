#include "ui/accessible/AccessibleQtWidgets.h"

#include "ui/accessible/DevicePixels.h"

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
    auto related = AccessibleWidget::relations(match);
    if (match & QAccessible::Labelled) {
        if (auto* buddy = QAccessible::queryAccessibleInterface(label()->buddy()))
            related.append({buddy, QAccessible::Labelled});
    }
    return related;
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

AccessibleMenuBar::AccessibleMenuBar(QMenuBar* bar) : AccessibleWidget(bar, QAccessible::MenuBar) {}

int AccessibleMenuBar::childCount() const {
    return static_cast<int>(widget()->actions().size());
}

QAccessibleInterface* AccessibleMenuBar::child(int index) const {
    const QList<QAction*> entries = widget()->actions();
    return index >= 0 && index < entries.size()
               ? QAccessible::queryAccessibleInterface(entries.at(index))
               : nullptr;
}

int AccessibleMenuBar::indexOfChild(const QAccessibleInterface* child) const {
    auto* entry = child ? qobject_cast<QAction*>(child->object()) : nullptr;
    return entry ? static_cast<int>(widget()->actions().indexOf(entry)) : -1;
}

AccessibleMenu::AccessibleMenu(QMenu* menu) : AccessibleWidget(menu, QAccessible::PopupMenu) {}

QMenu* AccessibleMenu::menu() const {
    return static_cast<QMenu*>(widget());
}

int AccessibleMenu::childCount() const {
    return static_cast<int>(menu()->actions().size());
}

QAccessibleInterface* AccessibleMenu::child(int index) const {
    const QList<QAction*> items = menu()->actions();
    return index >= 0 && index < items.size()
               ? QAccessible::queryAccessibleInterface(items.at(index))
               : nullptr;
}

int AccessibleMenu::indexOfChild(const QAccessibleInterface* child) const {
    auto* item = child ? qobject_cast<QAction*>(child->object()) : nullptr;
    return item ? static_cast<int>(menu()->actions().indexOf(item)) : -1;
}

QAccessibleInterface* AccessibleMenu::childAt(int x, int y) const {
    QAction* item =
        menu()->actionAt(menu()->mapFromGlobal(fromDevicePixels(QPoint(x, y), *menu())));
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
