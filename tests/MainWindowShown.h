#pragma once

#include <functional>

class QWidget;

// For a program built on the game's own main() (the probe, the start benchmark): `action` runs
// once, as main() shows the main window, before the window's first frame. Call it from a
// Q_COREAPP_STARTUP_FUNCTION.
void whenMainWindowShown(std::function<void(QWidget& mainWindow)> action);
