#pragma once

// How much a screen reader is given at once. These are the program's own choices, not
// workarounds: the command line can be a megabyte long, and neither the game nor the reader may
// be held up by it, whatever Qt or the reader could take.
namespace ui {

// A text box's text is read in lines of at most this many characters, a selection is reported
// no longer than one such line, and a replaced text is told by its first line.
inline constexpr int kSpokenLineLength = 500;

// At most this many characters are told of one announcement.
inline constexpr int kMaxAnnouncementLength = 4000;

} // namespace ui
