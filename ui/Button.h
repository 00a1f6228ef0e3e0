#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

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
};

} // namespace ui
