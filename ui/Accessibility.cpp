#include "ui/Accessibility.h"

#include "ui/AccessibleLabel.h"
#include "ui/AccessibleMenuItem.h"
#include "ui/AccessibleTextBox.h"
#include "ui/Announcer.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleMessageButton.h"
#include "ui/accessible/AccessibleWindow.h"

#include <QAbstractButton>
#include <QList>
#include <QMenu>
#include <QMessageBox>

namespace ui {
namespace {

QAccessibleInterface* accessibleInterface(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<Window*>(object))
        return new AccessibleWindow(window);
    if (auto* box = dynamic_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (auto* label = dynamic_cast<Label*>(object))
        return new AccessibleLabel(label);
    if (auto* item = dynamic_cast<MenuItem*>(object)) {
        if (auto* menu = qobject_cast<QMenu*>(item->parent()))
            return new AccessibleMenuItem(menu, item);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        // Made as the box is, before its message can name the button.
        if (qobject_cast<QMessageBox*>(button->window()))
            return new AccessibleMessageButton(button);
    }
    return Announcer::accessibleInterface(object);
}

// The boxes being changed quietly now, and the handler that was there before the first.
QList<const QObject*> quietObjects;
QAccessible::UpdateHandler handlerBeforeQuiet = nullptr;
void passOnQuietly(QAccessibleEvent* event);

void passOn(QAccessibleEvent* event) {
    if (handlerBeforeQuiet) {
        handlerBeforeQuiet(event);
        return;
    }
    // Qt's own delivery to the screen reader runs when no handler is installed. It handles the
    // event again from the start, which for the events that reach here does nothing twice.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOnQuietly);
}

void passOnQuietly(QAccessibleEvent* event) {
    if (quietObjects.contains(event->object())) {
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

void remakeAccessibleInterface(QObject& object) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QuietTextChange::QuietTextChange(QObject& textBox) : textBox_(textBox) {
    if (quietObjects.isEmpty())
        handlerBeforeQuiet = QAccessible::installUpdateHandler(passOnQuietly);
    quietObjects.append(&textBox_);
}

QuietTextChange::~QuietTextChange() {
    quietObjects.removeOne(&textBox_);
    if (quietObjects.isEmpty()) {
        QAccessible::installUpdateHandler(handlerBeforeQuiet);
        handlerBeforeQuiet = nullptr;
    }
}

} // namespace ui
