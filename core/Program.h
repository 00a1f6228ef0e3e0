#pragma once

#include <QString>

#include <functional>

// The argument text of the command line: the arguments after the program name, joined by
// single blanks, less any "-session ID" that a session manager restarting the game added.
// Empty when there are none.
QString argumentText(int argc, const char* const* argv);

// The argument text of this run, as New Game puts it into the command box.
QString Command();
void setCommand(const QString& argumentText);

// The whole program: takes the argument text from the command line, starts the window system
// with none of the arguments, shows the main window and runs the event loop until End.
// `started` runs once the main window is shown (a seam for tests that drive the real process).
int runProgram(int argc, char* argv[], const std::function<void()>& started = {});

// Creates the main window (its load handler sets the default high scores) and shows it.
void StartProgram();

// Ends the program at once: every window disappears and no further handler runs.
void End();

// Replaces what End does and returns what it did before; an empty handler restores the real
// one. Tests use it to see that the program would end without ending the test.
std::function<void()> setEndHandler(std::function<void()> handler);
