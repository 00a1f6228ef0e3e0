#pragma once

namespace ui {

// Makes the desktop's own style the windows' style, with the icons it gives for things that
// are rarely shown made only when first drawn. Does nothing when already done.
void installStyle();

} // namespace ui
