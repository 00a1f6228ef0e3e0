#pragma once

#include <QList>
#include <QString>

// One thing the player does. A step that does not fit what the player sees at that moment (OK
// while the main window is in front, typing while a button has the focus) is passed over, so
// that any part of a sequence still plays.
struct PlayStep {
    enum class Kind {
        Keys,       // item: a row of kMenuTree with keys, pressed into the focus
        Menu,       // item: a row of kMenuTree; how: 0 triggerAction, 1 mouse through the bar
        TypeOver,   // text typed over the focused box's whole text
        TypeAtEnd,  // text typed at the end of the focused box's text
        PasteAtEnd, // text pasted at the end of the focused box's text
        Backspace,  // at the end of the focused box's text
        EnterInBox, // how: 0 Return, 1 keypad Enter, in the focused box
        Tab,
        ClickBox,   // the front window's box, by mouse
        Press,      // the front window's button; how: 0 mouse, 1 Space, 2 Return on the focus
        FrameClose, // the front window
        Answer,     // the open message box; how: 0 mouse on OK, 1 Return, 2 Escape, 3 Space,
                    // 4 frame close
    };

    Kind kind = Kind::Tab;
    int item = 0;
    int how = 0;
    QString text;

    QString describe() const;
};

using PlaySteps = QList<PlayStep>;
