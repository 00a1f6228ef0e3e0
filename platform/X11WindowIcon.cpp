#include "platform/X11WindowIcon.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <memory>

namespace platform {

bool setX11WindowIcon(QWidget& window, QByteArrayView property) {
#if QT_CONFIG(xcb)
    // Qt's offscreen platform answers for X11 too, and may hold a connection of its own.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || property.isEmpty() || property.size() % 4 != 0)
        return false;
    xcb_connection_t* connection = x11->connection();
    if (!connection || xcb_connection_has_error(connection))
        return false;
    const auto words = quint32(property.size() / 4);
    constexpr quint32 kRequestHeaderWords = 7; // ChangeProperty's, as a big request
    if (words + kRequestHeaderWords > xcb_get_maximum_request_length(connection))
        return false;
    static constexpr char kName[] = "_NET_WM_ICON";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName),
                              nullptr),
        &std::free);
    if (!atom)
        return false;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), atom->atom,
                        XCB_ATOM_CARDINAL, 32, words, property.data());
    xcb_flush(connection);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(property);
    return false;
#endif
}

} // namespace platform
