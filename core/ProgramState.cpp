#include "core/ProgramState.h"

#include "ui/Window.h"

ProgramState& programState() {
    static ProgramState state;
    return state;
}

ModVariables& programVariables() {
    return programState().variables;
}
