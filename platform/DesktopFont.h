#pragma once

namespace platform {

// Names the face that the desktop's font resolves to in place of the family alias it may give
// (the plain X11 desktop's "Sans Serif"), so that the menus and message boxes show that same face
// without Qt having fontconfig sort every installed font to find it. Call once the application
// exists, before the first window.
void resolveDesktopFont();

} // namespace platform
