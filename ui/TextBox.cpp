#include "ui/TextBox.h"

#include "ui/AccessibilityBridge.h"
#include "ui/Placement.h"
#include "ui/Window.h"

#include <QKeyEvent>

#include <limits>

namespace ui {

TextBox::TextBox(Window& window, const char* name, Twips geometry, Typeface face,
                 const QString& text)
    : QLineEdit(window.clientArea()), window_(window) {
    place(*this, name, geometry, face);
    // The text and caret it is made with are what a reader meets with the box, not changes to
    // tell: Orca 48 would say them on their own, after the box's focus or ahead of its label.
    quietly([&] {
        // Whatever is put in the box stays whole: the command line can be far longer than the
        // 32767 characters a line edit keeps by default.
        setMaxLength(std::numeric_limits<int>::max());
        setText(text);
    });
    holdCursorStillInLongText();
}

// FIXME(Qt 6.4 to 6.11): pinned by tst_environment's idleCostDoesNotGrowWithTheCommandLine.
// QLineEdit lays out and shapes its whole line again for every paint, a blink's too. Remove when
// QLineEdit keeps its line's layout between paints.
// The cursor stops blinking while the box holds more than kSteadyCursorLength characters: with
// a 2 MB command line the blinks alone kept a CPU a third busy. The blink timer belongs to the
// line edit's private text control, the child that runs it.
void TextBox::holdCursorStillInLongText() {
    for (QObject* child : children()) {
        if (qstrcmp(child->metaObject()->className(), "QWidgetLineControl") == 0) {
            child->installEventFilter(this);
            textControl_ = child;
        }
    }
}

bool TextBox::eventFilter(QObject* watched, QEvent* event) {
    // The control's other timers (triple click, in Qt 6.4) only wait a little longer.
    if (watched == textControl_ && event->type() == QEvent::Timer &&
        text().size() > kSteadyCursorLength)
        return true;
    return QLineEdit::eventFilter(watched, event);
}

void TextBox::replaceText(const QString& text) {
    const QString oldText = QLineEdit::text();
    // Qt would report the change as text inserted, and what a reader makes of that depends on
    // the last key; the announcement says it the same way whatever the command's key.
    quietly([&] { setText(text); });
    if (hasFocus()) {
        if (auto* bridge = accessibilityBridge())
            bridge->showReplacedText(*this, oldText);
    }
    if (hasFocus() && window_.isActiveWindow()) {
        if (auto* bridge = accessibilityBridge())
            bridge->announceReplacedText(window_, *this);
    }
}

void TextBox::editWhole() {
    quietly([this] {
        setFocus();
        selectAll();
    });
}

void TextBox::quietly(const std::function<void()>& change) {
    if (auto* bridge = accessibilityBridge())
        bridge->quietly(*this, change);
    else
        change();
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination combination(key->modifiers() & ~Qt::KeypadModifier,
                                          Qt::Key(key->key()));
        // FIXME(Qt 6.4 to 6.11): pinned by acceleratorsWinOverTheFocusedCommandBox.
        // A focused QLineEdit claims the standard keys (Ctrl+C, Ctrl+A) before the menu's
        // shortcuts. Remove when Qt lets a menu shortcut win over them.
        // Leaving the override unaccepted hands the key to the shortcut map, so the menu's
        // accelerator fires instead of the line edit's copy or select-all.
        if (window_.isMenuShortcut(QKeySequence(combination)))
            return true;
    }
    return QLineEdit::event(event);
}

} // namespace ui

#include "moc_TextBox.cpp"
