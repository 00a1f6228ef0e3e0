#include "ui/accessible/AccessibleMessageButton.h"

#include "ui/accessible/DevicePixels.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace ui {

AccessibleMessageButton::AccessibleMessageButton(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QAbstractButton* AccessibleMessageButton::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QLabel* AccessibleMessageButton::message() const {
    for (auto* label : button()->window()->findChildren<QLabel*>()) {
        if (label->buddy() == button())
            return label;
    }
    return nullptr;
}

QString AccessibleMessageButton::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
        return QString(button()->text()).remove(QLatin1Char('&'));
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleMessageButton::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (const auto* push = qobject_cast<const QPushButton*>(button()))
        state.defaultButton = push->isDefault();
    state.pressed = button()->isDown();
    return state;
}

QRect AccessibleMessageButton::rect() const {
    return toDevicePixels(QAccessibleWidget::rect(), *widget());
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleMessageButton::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label) {
        if (auto* label = QAccessible::queryAccessibleInterface(message()))
            related.append({label, QAccessible::Label});
    }
    return related;
}

QStringList AccessibleMessageButton::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleMessageButton::doAction(const QString& actionName) {
    if (actionName == pressAction())
        button()->animateClick();
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace ui
