#include "ui/KeyPosition.h"

#include <QChar>
#include <QKeyEvent>

#include <array>

namespace ui {
namespace {

// FIXME(Qt 6.4 to 6.11): pinned by ctrlWithALetterOfAnotherScriptGoesByPlace.
// Qt matches Ctrl with a letter of another script to a Latin accelerator only through a Latin
// layout configured beside it (xkb's groups), so under a lone Russian or Greek layout no
// accelerator fires. Remove when Qt falls back to the US letter at the key's place itself.
//
// The letter keys of a US keyboard by the codes the window system gives their places. On X11 and
// Wayland that is the XKB key code (the Linux input code + 8); on Windows the virtual key is the
// US letter itself.
struct LetterKey {
    quint32 code;
    Qt::Key letter;
};

constexpr std::array<LetterKey, 26> kXkbLetterKeys{{
    {24, Qt::Key_Q}, {25, Qt::Key_W}, {26, Qt::Key_E}, {27, Qt::Key_R}, {28, Qt::Key_T},
    {29, Qt::Key_Y}, {30, Qt::Key_U}, {31, Qt::Key_I}, {32, Qt::Key_O}, {33, Qt::Key_P},
    {38, Qt::Key_A}, {39, Qt::Key_S}, {40, Qt::Key_D}, {41, Qt::Key_F}, {42, Qt::Key_G},
    {43, Qt::Key_H}, {44, Qt::Key_J}, {45, Qt::Key_K}, {46, Qt::Key_L}, {52, Qt::Key_Z},
    {53, Qt::Key_X}, {54, Qt::Key_C}, {55, Qt::Key_V}, {56, Qt::Key_B}, {57, Qt::Key_N},
    {58, Qt::Key_M},
}};

Qt::Key usLetterAt(const QKeyEvent& press) {
#ifdef Q_OS_WIN
    const quint32 virtualKey = press.nativeVirtualKey();
    return virtualKey >= 'A' && virtualKey <= 'Z' ? Qt::Key(Qt::Key_A + (virtualKey - 'A'))
                                                  : Qt::Key_unknown;
#else
    for (const LetterKey& key : kXkbLetterKeys) {
        if (key.code == press.nativeScanCode())
            return key.letter;
    }
    return Qt::Key_unknown;
#endif
}

bool isLetterOfAnotherScript(int key) {
    if (key <= 0 || key > 0x10FFFF)
        return false;
    const auto character = static_cast<char32_t>(key);
    if (!QChar::isLetter(character))
        return false;
    const QChar::Script script = QChar::script(character);
    return script != QChar::Script_Latin && script != QChar::Script_Common &&
           script != QChar::Script_Inherited;
}

} // namespace

QKeySequence acceleratorByKeyPosition(const QKeyEvent& press) {
    const Qt::KeyboardModifiers modifiers = press.modifiers() & ~Qt::KeypadModifier;
    if (press.type() != QEvent::KeyPress || !(modifiers & Qt::ControlModifier) ||
        (modifiers & (Qt::AltModifier | Qt::MetaModifier)) || !isLetterOfAnotherScript(press.key()))
        return QKeySequence();
    const Qt::Key letter = usLetterAt(press);
    if (letter == Qt::Key_unknown)
        return QKeySequence();
    return QKeySequence(QKeyCombination(modifiers, letter));
}

} // namespace ui
