#pragma once

#include "PlayEvent.h"

#include <array>
#include <cstdint>
#include <random>

// Draws random player events from a seed. It looks at the window in front and the scores so
// far only to weigh its choices (numbers that fit the next slot come up often enough for runs
// to reach the fifth entry); what it draws replays without it.
class PlayEventSource {
public:
    explicit PlayEventSource(std::uint64_t seed);

    struct View {
        QString front; // "Form1", "Form2" or "Form3"
        int step = 0;  // scores entered so far, 0 to 5
        std::array<std::int32_t, 5> slots{};
    };

    PlayEvent next(const View& view);
    QString entryText(const View& view);

private:
    int below(int bound); // 0 <= result < bound
    bool chance(int percent) { return below(100) < percent; }
    PlayEvent::Action pickAction(const QString& front);
    QString number(const View& view);
    QString noise(int length);
    QString longText();
    QString beyond32Bits();

    std::mt19937_64 random_;
};
