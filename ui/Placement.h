#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

class QWidget;

namespace ui {

// Names a control after its entry in the window's table, puts it at its place in the client
// area and gives it its typeface.
void place(QWidget& control, const char* name, Twips geometry, Typeface face);

} // namespace ui
