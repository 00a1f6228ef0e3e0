#include "ui/accessible/AccessibleWidget.h"

#include "ui/accessible/DisplayUnits.h"

#include <QLabel>

namespace ui {

// A window's own rectangle is what window coordinates count from: the window as the display
// server has it.
QRect AccessibleWidget::rect() const {
    return asTheDisplayServerHasIt(toDisplayUnits(QAccessibleWidget::rect(), *widget()), *widget());
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
withBuddy(QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related,
          QAccessible::Relation match, const QLabel& label) {
    if (match & QAccessible::Labelled) {
        if (auto* buddy = QAccessible::queryAccessibleInterface(label.buddy()))
            related.append({buddy, QAccessible::Labelled});
    }
    return related;
}

} // namespace ui
