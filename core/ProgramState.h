#pragma once

#include "core/Windows.h"
#include "core/modVariables.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace ui {
class Window;
}

// Shows a message for the program; see showMessage in core/Program.h.
using MessagePresenter =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Everything a run of the program keeps, bar what its windows' controls hold. A fresh value is a
// fresh run: a test resets the program by assigning one.
struct ProgramState {
    QString command;              // what Command() gives: the command line's argument text
    WindowFactory makeWindow;     // the forms, as the program's start hands them over
    std::function<void()> end;    // what End does instead of ending the process, for tests
    MessagePresenter showMessage; // what shows messages instead of a modal box, for tests
    ModVariables variables;       // modVariables
    std::array<std::unique_ptr<ui::Window>, 3> windows; // by WindowId, once made
};

ProgramState& programState();
