#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace ui {

// The base of the program's interfaces for widgets: Qt's, with the widget's place in the display
// server's own unit (see DisplayUnits.h).
class AccessibleWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QRect rect() const override;
};

// A label's relations, with the control it names (its buddy) as labelled by it.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
withBuddy(QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related,
          QAccessible::Relation match, const QLabel& label);

} // namespace ui
