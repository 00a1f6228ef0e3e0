#pragma once

namespace platform {

// What the process gets from whoever started it, made fit for the game before Qt starts.

// Opens descriptors 0, 1 and 2 on /dev/null where they are closed, so that none of them is taken
// by the display connection (Qt's warnings would go into it), and ignores SIGPIPE, so that a
// warning written to a broken stderr costs only the warning. Call it before anything else.
void secureStandardStreams();

// Ends the process with one line and status 1 where the limits on open files or memory leave
// too little to start with, and makes running out of memory later end the same way rather than
// crash or hang.
void checkResourceLimits();

} // namespace platform
