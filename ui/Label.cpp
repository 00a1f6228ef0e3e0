#include "ui/Label.h"

#include "ui/Placement.h"
#include "ui/Window.h"

namespace ui {

Label::Label(Window& window, const char* name, Twips geometry, Typeface face,
             const QString& caption)
    : QLabel(window.clientArea()) {
    place(*this, name, geometry, face);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    setText(caption);
}

} // namespace ui
