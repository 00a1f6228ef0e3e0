#pragma once

#include <QColor>

class QWidget;

namespace ui {

// Paints a control's text and background in fixed colours, whatever the desktop's scheme.
void setColours(QWidget& control, const QColor& text, const QColor& background);

// A text box in fixed colours (as setColours) with a frame of its own, thin in `frame` and, while
// the box has the focus, thicker in `focusedFrame`: the desktop's frame is drawn in a shade of
// the box's background, which fixed dark colours make invisible. Selected text is shown in
// inverse video.
void setFramedColours(QWidget& box, const QColor& text, const QColor& background,
                      const QColor& frame, const QColor& focusedFrame);

// Paints only the background behind a window's controls; the controls keep their own colours.
void setBackground(QWidget& area, const QColor& background);

} // namespace ui
