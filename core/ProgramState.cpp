#include "core/ProgramState.h"

#include "ui/Window.h"

// Never destroyed by exit(): Qt calls it on some of its own ways out (a lost display), when the
// windows can no longer be torn down safely. The program releases them itself once its event
// loop has ended.
ProgramState& programState() {
    static auto* state = new ProgramState;
    return *state;
}

ModVariables& programVariables() {
    return programState().variables;
}
