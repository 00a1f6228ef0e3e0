#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// One thing a player does, in a form that replays the same way: every random choice is drawn
// when the event is made, none when it is played. An event that does not apply to the window
// in front at that moment (GO while the table is up) does nothing, as it would for a player.
struct PlayEvent {
    enum class Action {
        MenuClick,   // item: the menu item, opened from the menu bar with the mouse
        Accelerator, // item: the accelerator, pressed into whatever has the focus
        Go,          // how: 0 mouse, 1 Space, 2 Return, 3 Enter on the focused button
        Ok,          // how: as for Go, on the table's or the entry window's OK
        EnterInBox,  // how: 0 Return, 1 Enter (keypad), in the window's text box
        Type,        // text typed into the window's box; how: 1 replaces what it holds
        Paste,       // text pasted into the window's box through the clipboard
        EditKey,     // item: one of the editing and focus keys
        FrameClose,  // the window in front closed through its frame
    };

    Action action = Action::Go;
    int item = 0;
    int how = 0;
    int answer = 0; // how a message box opened by this event is answered
    QString text;

    QString describe() const;
};

using PlayEvents = QList<PlayEvent>;

// The menu items in menu order, and the accelerators (a subset, in the same order).
struct MenuItemInfo {
    const char* name;
    const char* caption;
};
extern const QList<MenuItemInfo> kMenuItems;
extern const QList<QKeyCombination> kAccelerators;
extern const QList<QKeyCombination> kEditKeys;
constexpr int kAnswerWays = 5; // OK clicked, Return, Escape, Space, frame close
constexpr int kEndGameItem = 3;
constexpr int kEndGameAccelerator = 3;
