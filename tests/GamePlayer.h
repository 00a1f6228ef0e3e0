#pragma once

#include "PlayStep.h"
#include "PlayerView.h"

class QMessageBox;
class QWidget;

// Plays steps on the real windows as a player does (keys into the focus, the mouse on what is
// shown) and reads back what the windows show, finding everything by object name.
namespace GamePlayer {

// A step with the message box closed. It returns once the program has handled it; a message
// box that it opens is answered meanwhile, from inside the box's own event loop.
void play(const PlayStep& step);
// An Answer step, on the open box.
void answer(QMessageBox& box, const PlayStep& step);

// Lets the program finish what the step left queued. Where the window system would activate
// the window in front (after a popup menu or a message box closes), the offscreen platform
// leaves none active; this does that part.
void settle();

PlayerView read(const QStringList& warnings);

} // namespace GamePlayer
