#pragma once

class QPoint;
class QRect;
class QWidget;

namespace ui {

// FIXME(Qt 6.4-6.11): pinned by everyShowingObjectIsWhereItShows, extentsAreInTheDisplayUnit.
// Qt's AT-SPI bridge reports extents in device-independent pixels, half the real size at 200 % on
// X11 (tst_screen_reader_scaled, extentsAreInTheDisplayUnit; on Wayland debian/tests/orca-gnome).
// Screen readers and magnifiers place what they show by the extents a program reports, in the
// display server's own unit: the X screen's pixels on X11 (at any QT_SCALE_FACTOR or Xft.dpi),
// the compositor's logical coordinates on Wayland (at any output scale; QT_SCALE_FACTOR on
// top). That is Qt's native unit on both. Widgets work in device-independent pixels, which
// differ from it at any Qt scale factor but 1; the Wayland output's own scale is the
// compositor's business and stays out of it.
QRect toDisplayUnits(const QRect& onScreen, const QWidget& widget);
QPoint fromDisplayUnits(const QPoint& onScreen, const QWidget& widget);

// FIXME(Qt 6.4-6.11, Wayland): pinned by tst_orca_speech's "table" and "entry" flows.
// Where Qt draws a window's decorations itself (Wayland without server-side decorations), the
// compositor's window, from which GNOME Shell's magnifier counts window coordinates, includes
// Qt's title bar and borders, but Qt's bridge counts them from the client area inside.
// A top-level window's rectangle (in the display server's unit) as the display server has it:
// with the decorations Qt draws itself on Wayland, the client area alone everywhere else (X11,
// and a compositor that decorates the window itself, where Qt has no frame margins).
QRect asTheDisplayServerHasIt(const QRect& clientArea, const QWidget& window);

} // namespace ui
