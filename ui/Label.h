#pragma once

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLabel>

namespace ui {

class Window;

// Static text that wraps at word boundaries and starts a new line at each line feed. It never
// takes the keyboard focus.
class Label : public QLabel {
public:
    Label(Window& window, const char* name, Twips geometry, Typeface face,
          const QString& caption = QString());

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
};

} // namespace ui
