#include "ui/Colours.h"

#include <QPalette>
#include <QWidget>

namespace ui {

void setColours(QWidget& control, const QColor& text, const QColor& background) {
    QPalette palette = control.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(group, role, background);
    }
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setBackground(QWidget& area, const QColor& background) {
    QPalette palette = area.palette();
    palette.setColor(QPalette::Window, background);
    area.setPalette(palette);
    area.setAutoFillBackground(true);
}

} // namespace ui
