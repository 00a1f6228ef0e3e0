#pragma once

namespace platform {

// Ends the process with one line and status 1 when the environment asks for something the game
// cannot run with, before Qt tries and aborts, hangs or opens an unusable window:
// - QT_SCALE_FACTOR other than a number from kLeastScaleFactor to kGreatestScaleFactor (empty
//   counts as unset, as Qt takes it);
// - QT_QPA_PLATFORM naming linuxfb or eglfs on a machine without the device they draw on.
void refuseUnworkableSettings();

inline constexpr double kLeastScaleFactor = 0.5;
inline constexpr double kGreatestScaleFactor = 8.0;

} // namespace platform
