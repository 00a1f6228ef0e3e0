#pragma once

namespace platform {

// From here on, a display connection that breaks (the X server or Wayland compositor ends, or
// another client such as xkill cuts the game off) ends the process with one line that says
// which, and status 1. Qt would call exit(), whose static destructors tear down windows that Qt
// can no longer talk to.
void endOnLostDisplay();

} // namespace platform
