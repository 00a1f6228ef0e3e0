#pragma once

class QPoint;
class QRect;
class QWidget;

namespace ui {

// FIXME(Qt 6.4 to 6.11): pinned by extentsAreInDevicePixels, everyShowingObjectIsWhereItShows.
// Qt's AT-SPI bridge reports extents in device-independent pixels, half the real size at 200 %.
// Remove when Qt reports them in the screen's own pixels. Also pinned by tst_screen_reader_scaled.
// Screen readers and magnifiers place what they show by the extents a program reports, in the
// screen's own pixels. Widgets work in device-independent pixels, which differ from those at
// any scale but 1 (QT_SCALE_FACTOR, Xft.dpi).
QRect toDevicePixels(const QRect& onScreen, const QWidget& widget);
QPoint fromDevicePixels(const QPoint& onScreen, const QWidget& widget);

} // namespace ui
