#pragma once

#include <QByteArrayView>

class QWidget;

namespace platform {

// Gives X `property` as the window's icon (_NET_WM_ICON: width, height and ARGB pixels for each
// size, 32-bit numbers in this machine's byte order), straight from where it is stored. False
// where the window system is not X11, or where X takes no request that long.
bool setX11WindowIcon(QWidget& window, QByteArrayView property);

} // namespace platform
