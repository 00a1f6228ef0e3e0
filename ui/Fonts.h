#pragma once

class QFont;

namespace ui {

// The two typefaces the windows are drawn in. Where the named face is missing, a face of the
// same kind stands in: fixed-pitch for Fixedsys (the story pages line up in columns) and
// sans-serif for MS Sans Serif.
enum class Typeface { Fixedsys9, MsSansSerif13_5 };

QFont font(Typeface face);

// Names the face that the desktop's font resolves to in place of the family alias it may give
// (the plain X11 desktop's "Sans Serif"), so that the menus and message boxes show that same face
// without Qt having fontconfig sort every installed font to find it. Call once the application
// exists, before the first window.
void resolveDesktopFont();

} // namespace ui
