#include "platform/FatalLine.h"

#include <QString>

#include <unistd.h>

namespace platform {

[[noreturn]] void endWithLine(const QString& text) {
    const QByteArray line = QStringLiteral("vorlakin: %1\n").arg(text).toLocal8Bit();
    // One write, so that the line stays whole; a broken or closed stderr loses it, nothing more.
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.constData(), line.size());
    _exit(1);
}

[[noreturn]] void cannotOpenWindow(const QString& cause, const QString& advice) {
    endWithLine(QStringLiteral("cannot open a window: %1. %2").arg(cause, advice));
}

} // namespace platform
