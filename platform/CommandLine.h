#pragma once

#include <QString>

namespace platform {

// The argument text of the command line: the arguments after the program name, joined by
// single blanks, less any "-session ID" that a session manager restarting the game added.
// Empty when there are none.
QString argumentText(int argc, const char* const* argv);

} // namespace platform
