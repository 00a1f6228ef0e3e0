#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QColor>
#include <QPushButton>

#include <functional>

namespace ui {

class Window;

// A push button. No window has a default button, so Enter in a text box presses nothing; Enter
// or Space presses a button while it has the focus (Qt calls that auto-default).
class Button : public QPushButton {
    Q_OBJECT

public:
    Button(Window& window, const char* name, Twips geometry, Typeface face, const QString& caption);

    void onClick(std::function<void()> handler);

    // For a button on a background of the game's own colours, against which the desktop's
    // focus indicator (drawn for the desktop's window colour) can be faint: while the button
    // has the focus, a ring of two colours runs round its edge, `outer` against the
    // background and `inner` against the button's face, whichever colours the desktop gives
    // that.
    void setFocusRing(const QColor& outer, const QColor& inner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outerRing_;
    QColor innerRing_;
};

} // namespace ui
