#include "platform/UnworkableSettings.h"

#include "platform/FatalLine.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

void checkScaleFactor() {
    const QString text = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (text.isEmpty())
        return;
    bool isNumber = false;
    const double factor = text.trimmed().toDouble(&isNumber);
    if (isNumber && factor >= kLeastScaleFactor && factor <= kGreatestScaleFactor)
        return;
    cannotOpenWindow(
        QStringLiteral("QT_SCALE_FACTOR=%1 is not a scale factor from %2 to %3")
            .arg(text, QString::number(kLeastScaleFactor), QString::number(kGreatestScaleFactor)),
        QStringLiteral("Unset it, or set it to a number in that range."));
}

// The option "name=value" of a platform name with options ("linuxfb:fb=/dev/fb1:size=...").
QString platformOption(const QStringList& platformParts, const QString& name, QString fallback) {
    const QString prefix = name + QLatin1Char('=');
    for (const QString& option : platformParts) {
        if (option.startsWith(prefix))
            return option.mid(prefix.size());
    }
    return fallback;
}

// The error of opening `path` for drawing on, or an empty text when it opens.
QString openingError(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(descriptor);
    return {};
}

void checkDevicePlatform() {
    // Only a platform named alone: in a list, Qt goes on to the next one that starts.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.contains(QLatin1Char(';')))
        return;
    const QStringList platformParts = platform.split(QLatin1Char(':'));
    const QString name = platformParts.first();
    const QString advice = QStringLiteral(
        "Start it from a desktop session, or unset QT_QPA_PLATFORM to let Qt choose.");
    if (name == QLatin1String("linuxfb")) {
        const QString device =
            platformOption(platformParts, QStringLiteral("fb"), QStringLiteral("/dev/fb0"));
        if (const QString error = openingError(device); !error.isEmpty())
            cannotOpenWindow(
                QStringLiteral("QT_QPA_PLATFORM=%1 needs the framebuffer %2, which cannot "
                               "be opened (%3)")
                    .arg(platform, device, error),
                advice);
    } else if (name == QLatin1String("eglfs")) {
        const QStringList cards =
            QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("card*")}, QDir::System);
        const QString framebuffer =
            qEnvironmentVariable("QT_QPA_EGLFS_FB", QStringLiteral("/dev/fb0"));
        const bool cardOpens = std::any_of(cards.begin(), cards.end(), [](const QString& card) {
            return openingError(QStringLiteral("/dev/dri/") + card).isEmpty();
        });
        if (!cardOpens && !openingError(framebuffer).isEmpty())
            cannotOpenWindow(
                QStringLiteral("QT_QPA_PLATFORM=%1 needs a graphics card (/dev/dri/card*) "
                               "or the framebuffer %2, and neither can be opened")
                    .arg(platform, framebuffer),
                advice);
    }
}

} // namespace

void refuseUnworkableSettings() {
    checkScaleFactor();
    checkDevicePlatform();
}

} // namespace platform
