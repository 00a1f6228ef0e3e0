#pragma once

#include <QAccessibleWidget>

namespace ui {

// The base of the program's interfaces for widgets: Qt's, with the widget's place in the screen's
// own pixels (see DevicePixels.h).
class AccessibleWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QRect rect() const override;
};

} // namespace ui
