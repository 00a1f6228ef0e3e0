#pragma once

#include <QKeySequence>

class QKeyEvent;

namespace ui {

// Under a keyboard layout without Latin letters (Russian, Greek, Hebrew, Arabic, ...), Ctrl with
// a letter key gives that layout's letter, which no Latin accelerator matches. Desktop programs
// then go by the key's place: the key that carries O on a US keyboard gives Ctrl+O. Returns that
// accelerator for a press of Ctrl (with or without Shift) and a letter of another script; an
// empty sequence for every other key, Latin letters included, so that layouts with Latin letters
// (French, German, Dvorak) keep their own.
QKeySequence acceleratorByKeyPosition(const QKeyEvent& press);

} // namespace ui
