#include "core/AppIcon.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

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
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(appIcon()); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

// The package puts the icon in the hicolor theme, which every theme falls back to. Without it no
// theme has the game's icon, and asking would read the themes' indexes and look in each of their
// folders for nothing: more than the rest of the game's start beyond a bare window.
bool installedInIconTheme() {
    const QString file = QStringLiteral("/hicolor/48x48/apps/" VORLAKIN_APP_ID ".png");
    const QStringList searchPaths = QIcon::themeSearchPaths();
    return std::any_of(searchPaths.cbegin(), searchPaths.cend(),
                       [&file](const QString& path) { return QFileInfo::exists(path + file); });
}

} // namespace

QIcon builtInAppIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256}) {
        const QResource pixels(
            QStringLiteral(":/icons/%1-%2.argb").arg(QStringLiteral(VORLAKIN_APP_ID)).arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != qint64(size) * size * 4)
            continue;
        // Kept as they are, in the program's own memory, down to the copy X is sent.
        icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32),
                                          Qt::NoFormatConversion));
    }
    return icon;
}

QIcon appIcon() {
    if (installedInIconTheme()) {
        // Through the theme, so that a desktop theme's own icon for the game comes first.
        const QIcon fromTheme = QIcon::fromTheme(QStringLiteral(VORLAKIN_APP_ID));
        if (!fromTheme.isNull())
            return fromTheme;
    }
    return builtInAppIcon();
}

void setAppIconAfterFirstFrame(QWidget& firstWindow) {
    new IconAfterFirstFrame(firstWindow);
}

#include "AppIcon.moc"
