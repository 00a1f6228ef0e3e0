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
#include <qpa/qplatformwindow.h>
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QtGui/qpa/qplatformwindow_p.h>

#include <dlfcn.h>
#endif

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

// FIXME(Qt 6.5-6.11, Wayland): pinned by tst_orca_speech's "table" and "entry" flows.
// Qt's frame margins on Wayland include the decorations' shadows (10 on each side with the
// Adwaita decorations that Qt picks on GNOME), which Qt keeps out of the window it gives the
// compositor. Qt has them only in its Wayland client library, whose function is looked up where
// that library is loaded; elsewhere (Qt 6.4's decorations have no shadows) there are none.
QMargins shadowsOf(QWindow& window) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    using ContentMargins = QMargins (*)(const void* waylandWindow);
    static const ContentMargins contentMargins = [] {
        void* library = dlopen("libQt6WaylandClient.so.6", RTLD_LAZY | RTLD_NOLOAD);
        return library
                   ? reinterpret_cast<ContentMargins>(dlsym(
                         library, "_ZNK15QtWaylandClient14QWaylandWindow20windowContentMarginsEv"))
                   : nullptr;
    }();
    // Qt's Wayland window starts with this interface, so both have one address.
    if (auto* wayland = window.nativeInterface<QNativeInterface::Private::QWaylandWindow>();
        wayland && contentMargins)
        return contentMargins(wayland);
#else
    (void)window;
#endif
    return {};
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
    if (!decoratedByQt(window) || !window.windowHandle()->handle())
        return clientArea;
    // Qt's own decorations on Wayland are its frame margins; a server-side frame has none. The
    // platform window's margins and the shadows are both in native units, as clientArea is.
    QWindow& handle = *window.windowHandle();
    return clientArea.marginsAdded(handle.handle()->frameMargins() - shadowsOf(handle));
}

} // namespace ui
