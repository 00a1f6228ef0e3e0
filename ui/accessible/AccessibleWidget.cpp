#include "ui/accessible/AccessibleWidget.h"

#include "ui/accessible/DevicePixels.h"

#include <QLabel>

namespace ui {

QRect AccessibleWidget::rect() const {
    return toDevicePixels(QAccessibleWidget::rect(), *widget());
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
