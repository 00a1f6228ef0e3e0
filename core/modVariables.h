#pragma once

#include <cstdint>

// The game state that the windows share. It lives in memory only: every run starts from zero,
// and the main window's load handler then sets the default high scores.
struct ModVariables {
    std::int32_t HighScore1 = 0; // top of the table
    std::int32_t HighScore2 = 0;
    std::int32_t HighScore3 = 0;
    std::int32_t HighScore4 = 0;
    std::int32_t HighScore5 = 0; // bottom of the table
    std::int16_t CurrentRoom = 0;
};

// One of the five high-score slots, as the score windows name them.
using HighScoreSlot = std::int32_t ModVariables::*;

// Part of the program's state (core/ProgramState.h), under the name the forms use.
ModVariables& programVariables();
inline ModVariables& modVariables = programVariables();
