#include "ui/Button.h"

#include "ui/Placement.h"
#include "ui/Window.h"

#include <QAccessible>
#include <QPainter>

namespace ui {

Button::Button(Window& window, const char* name, Twips geometry, Typeface face,
               const QString& caption)
    : QPushButton(caption, window.clientArea()) {
    place(*this, name, geometry, face);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
    setDefault(false);
    // FIXME(Orca 48): pinned by tst_orca_speech's "table" flow.
    // A key that opens a window can reach Orca after the window has the focus; Orca then takes the
    // focused button, if it has not met it before, as known without saying it. Remove when the
    // oldest Orca supported is 51, which says such a focus.
    // Told the button's name, Orca 48 says it (as with Label::labelFor); Orca 43 passes over the
    // name of a button without the focus.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
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

#include "moc_Button.cpp"
