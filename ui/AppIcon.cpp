#include "ui/AppIcon.h"

#include <QIcon>
#include <QString>

namespace ui {

QIcon builtInAppIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(
            QStringLiteral(":/icons/%1-%2.png").arg(QStringLiteral(VORLAKIN_APP_ID)).arg(size));
    return icon;
}

QIcon appIcon() {
    return QIcon::fromTheme(QStringLiteral(VORLAKIN_APP_ID), builtInAppIcon());
}

} // namespace ui
