#include "ui/Colours.h"

#include <QPalette>
#include <QString>
#include <QWidget>

namespace ui {

void setColours(QWidget& control, const QColor& text, const QColor& background) {
    QPalette palette = control.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(group, role, background);
        // The desktop's highlight can be too faint against fixed colours; inverse video is not.
        palette.setColor(group, QPalette::Highlight, text);
        palette.setColor(group, QPalette::HighlightedText, background);
    }
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setFramedColours(QWidget& box, const QColor& text, const QColor& background,
                      const QColor& frame, const QColor& focusedFrame) {
    setColours(box, text, background);
    // A style sheet is the one way to draw a frame the same under every style. The padding
    // keeps the text in place when the frame thickens.
    box.setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid %3; padding: 1px; "
                                     "color: %1; background-color: %2; "
                                     "selection-color: %2; selection-background-color: %1; }"
                                     "QLineEdit:focus { border: 2px solid %4; padding: 0px; }")
                          .arg(text.name(), background.name(), frame.name(), focusedFrame.name()));
}

void setBackground(QWidget& area, const QColor& background) {
    QPalette palette = area.palette();
    palette.setColor(QPalette::Window, background);
    area.setPalette(palette);
    area.setAutoFillBackground(true);
}

} // namespace ui
