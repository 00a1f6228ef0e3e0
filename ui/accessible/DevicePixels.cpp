#include "ui/accessible/DevicePixels.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace ui {
namespace {

// Qt keeps a screen's top left corner the same in both kinds of pixel and scales from there.
struct Scale {
    QPointF origin;
    qreal factor = 1;
};

Scale scaleOf(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    if (!screen)
        return {};
    return {screen->geometry().topLeft(), screen->devicePixelRatio()};
}

} // namespace

QRect toDevicePixels(const QRect& onScreen, const QWidget& widget) {
    if (onScreen.isNull())
        return onScreen;
    const Scale scale = scaleOf(widget);
    const QPointF topLeft =
        (QPointF(onScreen.topLeft()) - scale.origin) * scale.factor + scale.origin;
    const QSizeF size = QSizeF(onScreen.size()) * scale.factor;
    return QRect(QPoint(std::lround(topLeft.x()), std::lround(topLeft.y())),
                 QSize(std::lround(size.width()), std::lround(size.height())));
}

QPoint fromDevicePixels(const QPoint& onScreen, const QWidget& widget) {
    const Scale scale = scaleOf(widget);
    const QPointF logical = (QPointF(onScreen) - scale.origin) / scale.factor + scale.origin;
    return logical.toPoint();
}

} // namespace ui
