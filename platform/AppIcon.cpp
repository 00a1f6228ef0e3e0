#include "platform/AppIcon.h"

#include "platform/X11WindowIcon.h"

#include <QApplication>
#include <QByteArray>
#include <QByteArrayView>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QResource>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// The package puts the icon in the hicolor theme, which every theme falls back to. Without it no
// theme has the game's icon, and asking would read the themes' indexes and look in each of their
// folders for nothing: more than the rest of the game's start beyond a bare window.
bool installedInIconTheme() {
    const QString file = QStringLiteral("/hicolor/48x48/apps/" VORLAKIN_APP_ID ".png");
    const QStringList searchPaths = QIcon::themeSearchPaths();
    return std::any_of(searchPaths.cbegin(), searchPaths.cend(),
                       [&file](const QString& path) { return QFileInfo::exists(path + file); });
}

// Through the theme, so that a desktop theme's own icon for the game comes first.
QIcon themeIcon() {
    return installedInIconTheme() ? QIcon::fromTheme(QStringLiteral(VORLAKIN_APP_ID)) : QIcon();
}

// The built-in icon as X's _NET_WM_ICON property takes it (packaging/IconPixels.cpp), in the
// program's own memory.
QByteArrayView builtInIconProperty() {
    static const QResource resource(QStringLiteral(":/icons/" VORLAKIN_APP_ID ".wmicon"));
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto* data = reinterpret_cast<const char*>(resource.data());
    if (reinterpret_cast<quintptr>(data) % alignof(quint32) == 0)
        return QByteArrayView(data, resource.size());
    // Pixels are read as whole 32-bit words.
    static const QByteArray aligned(data, resource.size());
    return aligned;
}

// The copy built into the program, 48, 128 and 256 pixels.
QIcon builtInIcon() {
    QIcon icon;
    const QByteArrayView property = builtInIconProperty();
    const auto* words = reinterpret_cast<const quint32*>(property.data());
    const qsizetype count = property.size() / qsizetype(sizeof(quint32));
    for (qsizetype at = 0; at + 2 <= count;) {
        const qsizetype width = words[at];
        const qsizetype height = words[at + 1];
        if (width <= 0 || height <= 0 || width * height > count - at - 2)
            break;
        // Kept as they are, in the program's own memory.
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(words + at + 2),
                                                 int(width), int(height), QImage::Format_ARGB32),
                                          Qt::NoFormatConversion));
        at += 2 + width * height;
    }
    return icon;
}

void giveWindowsTheIcon(QWidget* firstWindow) {
    QIcon icon = themeIcon();
    if (icon.isNull()) {
        icon = builtInIcon();
        // FIXME(Qt 6.4 to 6.11): pinned by tst_environment's builtInIconReachesX.
        // Qt copies an icon's pixels twice over before X gets them, which cost the start more than
        // anything else the game does after its first frame. Remove when Qt hands X an icon's
        // pixels as they are.
        // The main window has it from X as stored; the others get it from Qt when they are made.
        if (firstWindow && setX11WindowIcon(*firstWindow, builtInIconProperty()))
            firstWindow->setAttribute(Qt::WA_SetWindowIcon);
    }
    QApplication::setWindowIcon(icon);
}

class IconAfterFirstFrame : public QObject {
    Q_OBJECT

public:
    explicit IconAfterFirstFrame(QWidget& window) : QObject(&window), window_(window) {
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // The frame goes out in this same dispatch; the icon follows it.
            QTimer::singleShot(
                0, qApp, [window = QPointer<QWidget>(&window_)] { giveWindowsTheIcon(window); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void setAppIconAfterFirstFrame(QWidget& firstWindow) {
    new IconAfterFirstFrame(firstWindow);
}

} // namespace platform

#include "AppIcon.moc"
