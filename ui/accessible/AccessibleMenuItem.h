#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QWidget;

namespace ui {

// FIXME(Orca 43 and 48): pinned by menuItemsGiveTheirAcceleratorInTheFormReadersSpeak.
// Qt gives a menu item's shortcut as its whole key binding ("F2", 6.4 to 6.11 alike), and Orca 43
// and 48 read it as "mnemonic;path;accelerator", so they say no key while arrowing through a menu
// (Orca 51 says it). Remove when Qt hands over the three parts or the oldest Orca supported reads
// the whole binding. Also pinned by tst_orca_speech.
// What a screen reader gets from a menu item: its caption, and its key binding in the three
// parts, so that it speaks the accelerator while the player arrows through the menu ("New
// Game, F2"). An entry of the menu bar is one too, as Qt makes it, with its menu as its child.
class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    // `owner` is the menu or menu bar that shows the item.
    AccessibleMenuItem(QWidget* owner, QAction* action);

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
    bool opensMenu() const;

    QPointer<QWidget> owner_;
    QPointer<QAction> action_;
};

} // namespace ui
