#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QPushButton>

#include <functional>

namespace ui {

class Window;

// A push button. It is never a default button: Enter in a text box does not press it, but
// Enter or Space presses it while it has the focus.
class Button : public QPushButton {
public:
    Button(Window& window, const char* name, Twips geometry, Typeface face, const QString& caption);

    void onClick(std::function<void()> handler);
};

} // namespace ui
