#include "ui/Placement.h"

#include <QFont>
#include <QWidget>

namespace ui {

void place(QWidget& control, const char* name, Twips geometry, Typeface face) {
    control.setObjectName(QString::fromLatin1(name));
    control.setGeometry(geometry.toPixels());
    control.setFont(font(face));
}

} // namespace ui
