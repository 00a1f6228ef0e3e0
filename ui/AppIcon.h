#pragma once

class QIcon;
class QString;

namespace ui {

// The game's icon for its windows: the desktop's icon theme's icon named by the application id
// (the one the package installs), or else the copy built into the program, so that a build run
// from its own folder shows it too.
QIcon appIcon();

// The copy built into the program, 48, 128 and 256 pixels.
QIcon builtInAppIcon();

} // namespace ui
