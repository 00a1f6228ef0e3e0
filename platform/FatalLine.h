#pragma once

class QString;

namespace platform {

// Ends the process at once with status 1 after writing "vorlakin: <text>" and a line break to
// standard error. Nothing is torn down: it is called where Qt or the process is in no state for
// that (a lost display, too little memory).
[[noreturn]] void endWithLine(const QString& text);

// The line for every reason no window can open: "cannot open a window: <cause>. <advice>".
[[noreturn]] void cannotOpenWindow(const QString& cause, const QString& advice);

} // namespace platform
