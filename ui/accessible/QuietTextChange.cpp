#include "ui/accessible/QuietTextChange.h"

#include <QAccessible>
#include <QList>

namespace ui {
namespace {

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
