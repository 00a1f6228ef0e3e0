#pragma once

class QFont;

namespace ui {

// The two typefaces the windows are drawn in. Where the named face is missing, a face of the
// same kind stands in: fixed-pitch for Fixedsys (the story pages line up in columns) and
// sans-serif for MS Sans Serif.
enum class Typeface { Fixedsys9, MsSansSerif13_5 };

QFont font(Typeface face);

} // namespace ui
