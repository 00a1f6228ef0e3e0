#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

namespace ui {

// What a screen reader gets from a menu item. Qt's own interface hands over the shortcut as the
// item's whole key binding ("F2"); AT-SPI readers expect "mnemonic;path;accelerator" and speak
// the accelerator while the player arrows through the menu ("New Game, F2").
class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleMenuItem(QMenu* menu, QAction* action);

    // "<Control><Shift>F1" for Ctrl+Shift+F1, the form GTK and AT-SPI use.
    static QString keyBinding(const QKeySequence& shortcut);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

} // namespace ui
