#pragma once

class QFont;
class QString;

namespace ui {

// The two typefaces the windows are drawn in. Where the named face is missing, a face of the
// same kind stands in: fixed-pitch for Fixedsys (the story pages line up in columns) and
// sans-serif for MS Sans Serif.
enum class Typeface { Fixedsys9, MsSansSerif13_5 };

QFont font(Typeface face);

// Whether Qt lists `family` among the installed families (in any case). Qt lists fontconfig's
// generic names, "Sans Serif", "Serif" and "Monospace", as well.
bool isInstalledFamily(const QString& family);

} // namespace ui
