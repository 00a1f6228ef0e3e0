#include "platform/CommandLine.h"

#include <QStringList>

#include <cstring>

namespace platform {

QString argumentText(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // A session manager's own: it restarts a program with "-session ID".
        if (std::strcmp(argv[i], "-session") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments.join(QLatin1Char(' '));
}

} // namespace platform
