#include "platform/ProcessLimits.h"

#include "platform/FatalLine.h"

#include <QString>

#include <csignal>
#include <fcntl.h>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace platform {

namespace {

// Found by starting the game under ever lower limits on X11: it starts with 12 descriptors and
// 130 MiB of address space, with 7 or 100 MiB it hangs, with fewer it crashes or says that the
// platform plugin is not installed. A 2 MB command line in the command box takes some 150 MiB
// more, hence the room.
constexpr rlim_t kLeastDescriptors = 32;
constexpr rlim_t kLeastAddressSpace = rlim_t(384) << 20;

QString mebibytes(rlim_t bytes) {
    return QString::number(bytes >> 20);
}

void checkDescriptors() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= kLeastDescriptors)
        return;
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= kLeastDescriptors) {
        limit.rlim_cur = kLeastDescriptors;
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0)
            return;
    }
    endWithLine(QStringLiteral("cannot start: at most %1 files may be open at once (ulimit -n), "
                               "and the game needs %2. Raise the limit to %2 or more.")
                    .arg(limit.rlim_max)
                    .arg(kLeastDescriptors));
}

void checkMemory(int resource, const char* option) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur >= kLeastAddressSpace)
        return;
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= kLeastAddressSpace) {
        limit.rlim_cur = kLeastAddressSpace;
        if (::setrlimit(resource, &limit) == 0)
            return;
    }
    endWithLine(
        QStringLiteral("cannot start: the memory limit (ulimit %1) is %2 MiB, and the "
                       "game needs %3 MiB. Raise the limit to %3 MiB or more.")
            .arg(QLatin1String(option), mebibytes(limit.rlim_cur), mebibytes(kLeastAddressSpace)));
}

[[noreturn]] void outOfMemory() {
    endWithLine(QStringLiteral("out of memory: the game has ended."));
}

} // namespace

void secureStandardStreams() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1) {
            // The lowest free number is the closed one.
            if (::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY) == -1)
                _exit(1);
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

void checkResourceLimits() {
    checkDescriptors();
    checkMemory(RLIMIT_AS, "-v");
    checkMemory(RLIMIT_DATA, "-d");
    std::set_new_handler(outOfMemory);
}

} // namespace platform
