#include "ui/Label.h"

#include "ui/Placement.h"
#include "ui/Window.h"

namespace ui {

Label::Label(Window& window, const char* name, Twips geometry, Typeface face,
             const QString& caption)
    : QLabel(window.clientArea()), window_(window) {
    place(*this, name, geometry, face);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    setText(caption);
}

void Label::announceCaptions() {
    announced_ = true;
    window_.announce(*this, caption());
}

void Label::setCaption(const QString& caption) {
    setText(caption);
    if (announced_)
        window_.announce(*this, caption);
}

} // namespace ui
