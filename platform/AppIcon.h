#pragma once

class QIcon;
class QWidget;

// The game's icon for its windows: the desktop's icon theme's icon named by the application id
// when the game's icon is installed in the hicolor theme (as the package does), or else the copy
// built into the program, so that a build run from its own folder shows it too.
QIcon appIcon();

// The copy built into the program, 48, 128 and 256 pixels.
QIcon builtInAppIcon();

// Makes appIcon the icon of every window and message box, for the title bar and the window
// switcher, once `firstWindow` has shown its first frame. Reading the icon theme and decoding
// the icon take about a tenth of the start, and no frame waits for them.
void setAppIconAfterFirstFrame(QWidget& firstWindow);
