#pragma once

#include <memory>

class QApplication;

namespace platform {

// Makes the application, which connects to the window system that the environment names
// (QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY), as Qt chooses. Where no window can open, it
// does not return: it prints one line that names the cause and what to do, and ends the
// process with status 1.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv);

} // namespace platform
