#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLineEdit>

#include <functional>

namespace ui {

class Window;

// A single-line editable text box. Keys that are accelerators of its window's menus reach the
// menu even where the text box would otherwise claim them (Ctrl+C, Ctrl+A, ...).
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(Window& window, const char* name, Twips geometry, Typeface face,
            const QString& text = QString());

    // Replaces the whole text for the program, as a command does. When the box has the focus,
    // screen readers are told the new text (at most a bounded part of it, "blank" when empty).
    void replaceText(const QString& text);

    // Takes the focus with the whole text selected, so that the next text typed replaces it.
    // Screen readers hear the selection with the focus (and the box's label), not on its own as
    // well, where it would come twice or ahead of the window's caption.
    void editWhole();

    // Beyond this length the cursor stops blinking: see holdCursorStillInLongText.
    static constexpr qsizetype kSteadyCursorLength = 10000;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void quietly(const std::function<void()>& change);
    void holdCursorStillInLongText();

    Window& window_;
    QObject* textControl_ = nullptr;
};

} // namespace ui
