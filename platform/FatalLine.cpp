#include "core/FatalLine.h"

#include <QString>

#include <unistd.h>

[[noreturn]] void endWithLine(const QString& text) {
    const QByteArray line = QStringLiteral("vorlakin: %1\n").arg(text).toLocal8Bit();
    // One write, so that the line stays whole; a broken or closed stderr loses it, nothing more.
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, line.constData(), line.size());
    _exit(1);
}
