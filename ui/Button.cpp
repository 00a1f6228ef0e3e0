#include "ui/Button.h"

#include "ui/Placement.h"
#include "ui/Window.h"

namespace ui {

Button::Button(Window& window, const char* name, Twips geometry, Typeface face,
               const QString& caption)
    : QPushButton(caption, window.clientArea()) {
    place(*this, name, geometry, face);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
    setDefault(false);
}

void Button::onClick(std::function<void()> handler) {
    connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

} // namespace ui
