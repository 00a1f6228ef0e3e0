#include "ui/accessible/AccessibleMenuItem.h"

#include "ui/accessible/DisplayUnits.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

namespace ui {

AccessibleMenuItem::AccessibleMenuItem(QWidget* owner, QAction* action)
    : owner_(owner), action_(action) {}

bool AccessibleMenuItem::opensMenu() const {
    return action_ && action_->menu();
}

QString AccessibleMenuItem::keyBinding(const QKeySequence& shortcut) {
    if (shortcut.isEmpty())
        return QString();
    const QKeyCombination keys = shortcut[0];
    QString binding;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        binding += QStringLiteral("<Control>");
    if (modifiers & Qt::ShiftModifier)
        binding += QStringLiteral("<Shift>");
    if (modifiers & Qt::AltModifier)
        binding += QStringLiteral("<Alt>");
    if (modifiers & Qt::MetaModifier)
        binding += QStringLiteral("<Super>");
    // Letters go by their X key names, which are lower case; F1 to F35 are X names as they are.
    const QString key = QKeySequence(keys.key()).toString(QKeySequence::PortableText);
    return binding + (key.size() == 1 ? key.toLower() : key);
}

bool AccessibleMenuItem::isValid() const {
    return owner_ && action_;
}

QObject* AccessibleMenuItem::object() const {
    return action_;
}

QWindow* AccessibleMenuItem::window() const {
    return owner_ ? owner_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuItem::parent() const {
    return QAccessible::queryAccessibleInterface(owner_);
}

QAccessibleInterface* AccessibleMenuItem::child(int index) const {
    return index == 0 && opensMenu() ? QAccessible::queryAccessibleInterface(action_->menu())
                                     : nullptr;
}

int AccessibleMenuItem::childCount() const {
    return opensMenu() ? 1 : 0;
}

int AccessibleMenuItem::indexOfChild(const QAccessibleInterface* child) const {
    return child && opensMenu() && child->object() == action_->menu() ? 0 : -1;
}

QAccessibleInterface* AccessibleMenuItem::childAt(int, int) const {
    return nullptr;
}

QString AccessibleMenuItem::text(QAccessible::Text kind) const {
    if (!isValid())
        return QString();
    switch (kind) {
    case QAccessible::Name:
        return action_->text();
    case QAccessible::Accelerator:
        return action_->shortcut().toString(QKeySequence::NativeText);
    default:
        return QString();
    }
}

void AccessibleMenuItem::setText(QAccessible::Text, const QString&) {}

QRect AccessibleMenuItem::rect() const {
    if (!isValid())
        return QRect();
    QRect inOwner;
    if (auto* menu = qobject_cast<QMenu*>(owner_))
        inOwner = menu->actionGeometry(action_);
    else if (auto* bar = qobject_cast<QMenuBar*>(owner_))
        inOwner = bar->actionGeometry(action_);
    return toDisplayUnits(inOwner.translated(owner_->mapToGlobal(QPoint(0, 0))), *owner_);
}

QAccessible::Role AccessibleMenuItem::role() const {
    return QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuItem::state() const {
    QAccessible::State state;
    if (!isValid())
        return state;
    if (!owner_->isVisible() || !action_->isVisible())
        state.invisible = true;
    if (!action_->isEnabled())
        state.disabled = true;
    if (auto* bar = qobject_cast<QMenuBar*>(owner_)) {
        // As Qt states a menu bar's entry.
        state.focused = bar->activeAction() == action_;
        state.hotTracked = bar->style()->styleHint(QStyle::SH_Menu_MouseTracking);
        return state;
    }
    state.focusable = true;
    if (static_cast<QMenu*>(owner_.data())->activeAction() == action_)
        state.focused = true;
    return state;
}

void* AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList AccessibleMenuItem::actionNames() const {
    return {opensMenu() ? showMenuAction() : pressAction()};
}

void AccessibleMenuItem::doAction(const QString& actionName) {
    if (!isValid() || !action_->isEnabled())
        return;
    if (actionName == pressAction()) {
        action_->trigger();
    } else if (actionName == showMenuAction() && opensMenu()) {
        if (action_->menu()->isVisible())
            action_->menu()->hide();
        else if (auto* bar = qobject_cast<QMenuBar*>(owner_))
            bar->setActiveAction(action_);
        else if (auto* menu = qobject_cast<QMenu*>(owner_))
            menu->setActiveAction(action_);
    }
}

QStringList AccessibleMenuItem::keyBindingsForAction(const QString& actionName) const {
    if (!isValid() || actionName != pressAction() || action_->shortcut().isEmpty())
        return {};
    // No mnemonic (the captions have no access keys) and no path, then the accelerator.
    return {QStringLiteral(";;") + keyBinding(action_->shortcut())};
}

} // namespace ui
