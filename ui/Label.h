#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLabel>

namespace ui {

class Window;

// Static text that wraps at word boundaries and starts a new line at each line feed. It never
// takes the keyboard focus.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(Window& window, const char* name, Twips geometry, Typeface face,
          const QString& caption = QString());

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    // Names `control` (a text box) for screen readers: they read the caption as its label.
    void labelFor(QWidget& control);

    // From now on, every caption it is given is also told to screen readers, whatever has the
    // focus, and so is the one it has now: for a text area whose page is the point of the window.
    void announceCaptions();

private:
    Window& window_;
    bool announced_ = false;
};

} // namespace ui
