#include "ui/accessible/AccessibleButton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace ui {

AccessibleButton::AccessibleButton(QAbstractButton* button)
    : AccessibleWidget(button, QAccessible::Button) {}

QAbstractButton* AccessibleButton::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QString AccessibleButton::text(QAccessible::Text kind) const {
    QString text;
    if (kind == QAccessible::Name) {
        text = button()->accessibleName();
        if (text.isEmpty())
            text = QString(button()->text()).remove(QLatin1Char('&'));
    } else if (kind == QAccessible::Accelerator) {
        const auto* push = qobject_cast<const QPushButton*>(button());
        if (push && push->isDefault())
            text = QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText);
    }
    return text.isEmpty() ? AccessibleWidget::text(kind) : text;
}

QAccessible::State AccessibleButton::state() const {
    QAccessible::State state = AccessibleWidget::state();
    if (const auto* push = qobject_cast<const QPushButton*>(button()))
        state.defaultButton = push->isDefault();
    state.pressed = button()->isDown();
    return state;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 11, 0)

QLabel* AccessibleButton::message() const {
    for (auto* label : button()->window()->findChildren<QLabel*>()) {
        if (label->buddy() == button() && label->parentWidget() != button()->parentWidget())
            return label;
    }
    return nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleButton::relations(QAccessible::Relation match) const {
    auto related = AccessibleWidget::relations(match);
    if (match & QAccessible::Label) {
        if (auto* label = QAccessible::queryAccessibleInterface(message()))
            related.append({label, QAccessible::Label});
    }
    return related;
}

#endif

QStringList AccessibleButton::actionNames() const {
    QStringList names;
    if (button()->isEnabled())
        names.append(pressAction());
    return names + AccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        if (button()->isEnabled())
            button()->animateClick();
    } else {
        AccessibleWidget::doAction(actionName);
    }
}

QStringList AccessibleButton::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction())
        return {button()->shortcut().toString()};
    return AccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace ui
