#pragma once

#include "core/Windows.h"

#include <QString>

#include <functional>

class QWidget;

// The argument text of the command line: the arguments after the program name, joined by
// single blanks, less any "-session ID" that a session manager restarting the game added.
// Empty when there are none.
QString argumentText(int argc, const char* const* argv);

// The argument text of this run, as New Game puts it into the command box.
QString Command();

// The whole program: takes the argument text from the command line, starts the window system
// with none of the arguments, shows the main window, made by `makeWindow` as every window is,
// and runs the event loop until End. `started` runs once the main window is shown (a seam for
// tests that drive the real process).
int runProgram(int argc, char* argv[], WindowFactory makeWindow,
               const std::function<void()>& started = {});

// Gives screen readers the program's own interfaces, then creates the main window (its load
// handler sets the default high scores) and shows it.
void StartProgram();

// Ends the program at once: every window disappears and no further handler runs.
void End();

// A modal message with an OK button, for the program's windows.
void showMessage(QWidget* parent, const QString& caption, const QString& text);
