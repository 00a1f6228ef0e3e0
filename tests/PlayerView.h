#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// What the player has before them after a step, and the game state behind it: compared whole,
// model against the real windows.
struct PlayerView {
    QStringList visible; // the visible windows, "Form1", "Form2", "Form3"
    QString focus;       // "Form1.Text1"; "messageBox" while one is open
    QString page;        // the main window's text area
    QString command;     // the main window's command box
    QString prompt;      // the entry window's prompt and box; "-" until it is created
    QString entry;
    QStringList table;  // the table's five values while it is visible
    QString messageBox; // "caption: text" of the open message box
    std::array<std::int32_t, 5> slots{};
    int room = 0;
    int ends = 0;         // End requests since the game started
    QStringList warnings; // what reached Qt's message handler

    // One line a field, "name: value", in a fixed order.
    QStringList lines() const;
    bool operator==(const PlayerView&) const = default;
};
