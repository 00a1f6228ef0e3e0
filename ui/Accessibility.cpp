#include "ui/Accessibility.h"

#include "ui/AccessibleLabel.h"
#include "ui/AccessibleMenuItem.h"
#include "ui/AccessibleTextBox.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/TextBox.h"
#include "ui/Window.h"

#include <QAccessibleWidget>
#include <QMenu>

namespace ui {
namespace {

QAccessibleInterface* accessibleInterface(const QString&, QObject* object) {
    // A plain top-level QWidget reaches screen readers as a filler; these are windows, and a
    // screen reader announces a window's caption only when it knows that.
    if (auto* window = dynamic_cast<Window*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* box = dynamic_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = dynamic_cast<Label*>(object))
        return new AccessibleLabel(label);
    if (auto* item = dynamic_cast<MenuItem*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent()))
            return new AccessibleMenuItem(menu, item);
    }
    return nullptr;
}

QObject* quietObject = nullptr;
QAccessible::UpdateHandler handlerBeforeQuiet = nullptr;
void passOnQuietly(QAccessibleEvent* event);

void passOn(QAccessibleEvent* event) {
    if (handlerBeforeQuiet) {
        handlerBeforeQuiet(event);
        return;
    }
    // Qt's own delivery to the screen reader runs when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOnQuietly);
}

void passOnQuietly(QAccessibleEvent* event) {
    if (event->object() == quietObject) {
        switch (event->type()) {
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
        case QAccessible::ValueChanged:
            return;
        default:
            break;
        }
    }
    passOn(event);
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(accessibleInterface), true);
    (void)installed;
}

QuietTextChange::QuietTextChange(QObject& textBox) {
    quietObject = &textBox;
    handlerBeforeQuiet = QAccessible::installUpdateHandler(passOnQuietly);
}

QuietTextChange::~QuietTextChange() {
    QAccessible::installUpdateHandler(handlerBeforeQuiet);
    handlerBeforeQuiet = nullptr;
    quietObject = nullptr;
}

} // namespace ui
