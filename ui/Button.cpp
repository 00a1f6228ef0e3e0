#include "ui/Button.h"

#include "ui/Placement.h"
#include "ui/Window.h"

#include <QPainter>

namespace ui {

Button::Button(Window& window, const char* name, Twips geometry, Typeface face,
               const QString& caption)
    : QPushButton(caption, window.clientArea()) {
    place(*this, name, geometry, face);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
    setDefault(false);
}

void Button::setFocusRing(const QColor& outer, const QColor& inner) {
    outerRing_ = outer;
    innerRing_ = inner;
    update();
}

void Button::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!outerRing_.isValid() || !hasFocus())
        return;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outerRing_, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(innerRing_, 1));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

void Button::onClick(std::function<void()> handler) {
    connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

} // namespace ui
