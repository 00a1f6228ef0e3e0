#include "ui/accessible/AccessibleWidget.h"

#include "ui/accessible/DevicePixels.h"

namespace ui {

QRect AccessibleWidget::rect() const {
    return toDevicePixels(QAccessibleWidget::rect(), *widget());
}

} // namespace ui
