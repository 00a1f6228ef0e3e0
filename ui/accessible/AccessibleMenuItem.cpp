#include "ui/accessible/AccessibleMenuItem.h"

#include "ui/accessible/DevicePixels.h"

#include <QAction>
#include <QMenu>

namespace ui {

AccessibleMenuItem::AccessibleMenuItem(QMenu* menu, QAction* action)
    : menu_(menu), action_(action) {}

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
    return menu_ && action_;
}

QObject* AccessibleMenuItem::object() const {
    return action_;
}

QWindow* AccessibleMenuItem::window() const {
    return menu_ ? menu_->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuItem::parent() const {
    return QAccessible::queryAccessibleInterface(menu_);
}

QAccessibleInterface* AccessibleMenuItem::child(int) const {
    return nullptr;
}

int AccessibleMenuItem::childCount() const {
    return 0;
}

int AccessibleMenuItem::indexOfChild(const QAccessibleInterface*) const {
    return -1;
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
    const QRect inMenu = menu_->actionGeometry(action_);
    return toDevicePixels(inMenu.translated(menu_->mapToGlobal(QPoint(0, 0))), *menu_);
}

QAccessible::Role AccessibleMenuItem::role() const {
    return QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuItem::state() const {
    QAccessible::State state;
    if (!isValid())
        return state;
    if (!menu_->isVisible() || !action_->isVisible())
        state.invisible = true;
    state.focusable = true;
    if (menu_->activeAction() == action_)
        state.focused = true;
    if (!action_->isEnabled())
        state.disabled = true;
    return state;
}

void* AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList AccessibleMenuItem::actionNames() const {
    return {pressAction()};
}

void AccessibleMenuItem::doAction(const QString& actionName) {
    if (isValid() && action_->isEnabled() && actionName == pressAction())
        action_->trigger();
}

QStringList AccessibleMenuItem::keyBindingsForAction(const QString& actionName) const {
    if (!isValid() || actionName != pressAction() || action_->shortcut().isEmpty())
        return {};
    // No mnemonic (the captions have no access keys) and no path, then the accelerator.
    return {QStringLiteral(";;") + keyBinding(action_->shortcut())};
}

} // namespace ui
