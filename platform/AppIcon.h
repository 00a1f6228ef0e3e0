#pragma once

class QWidget;

namespace platform {

// Gives every window and message box the game's icon, for the title bar and the window switcher,
// once `firstWindow` has shown its first frame: the desktop's icon theme's icon named by the
// application id when the game's icon is installed in the hicolor theme (as the package does),
// or else the copy built into the program (48, 128 and 256 pixels), so that a build run from its
// own folder shows it too. Reading the icon theme and decoding the icon take about a tenth of the
// start, and no frame waits for them.
void setAppIconAfterFirstFrame(QWidget& firstWindow);

} // namespace platform
