#include "ui/accessible/DisplayUnits.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// The one private part: Qt's own factor between its device-independent pixels and its native
// coordinates (QT_SCALE_FACTOR, the X screen's DPI), without the Wayland buffer scale that
// QScreen::devicePixelRatio() multiplies in.
#include <QtGui/private/qhighdpiscaling_p.h>

#include <cmath>

namespace ui {
namespace {

// Qt keeps a screen's top left corner the same in both units and scales from there.
struct Scale {
    QPointF origin;
    qreal factor = 1;
};

Scale scaleOf(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    if (!screen)
        return {};
    const QHighDpiScaling::ScaleAndOrigin native = QHighDpiScaling::scaleAndOrigin(screen);
    return {screen->geometry().topLeft(), native.factor};
}

bool decoratedByQt(const QWidget& window) {
    return window.isWindow() && window.windowHandle() &&
           QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QRect toDisplayUnits(const QRect& onScreen, const QWidget& widget) {
    if (onScreen.isNull())
        return onScreen;
    const Scale scale = scaleOf(widget);
    const QPointF topLeft =
        (QPointF(onScreen.topLeft()) - scale.origin) * scale.factor + scale.origin;
    const QSizeF size = QSizeF(onScreen.size()) * scale.factor;
    return QRect(QPoint(std::lround(topLeft.x()), std::lround(topLeft.y())),
                 QSize(std::lround(size.width()), std::lround(size.height())));
}

QPoint fromDisplayUnits(const QPoint& onScreen, const QWidget& widget) {
    const Scale scale = scaleOf(widget);
    const QPointF logical = (QPointF(onScreen) - scale.origin) / scale.factor + scale.origin;
    return logical.toPoint();
}

QRect asTheDisplayServerHasIt(const QRect& clientArea, const QWidget& window) {
    if (!decoratedByQt(window))
        return clientArea;
    // Qt's own decorations on Wayland are its frame margins; a server-side frame has none.
    return clientArea.marginsAdded(window.windowHandle()->frameMargins());
}

} // namespace ui
