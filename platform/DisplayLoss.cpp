#include "platform/DisplayLoss.h"

#include "platform/FatalLine.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace platform {

// FIXME(Qt 6.4 to 6.11): pinned by tst_environment's displayGoesAway.
// When the display connection breaks, Qt only logs that it did ("The X11 connection broke") and
// calls exit(). Remove when Qt tells the program its display is lost.
namespace {

QtMessageHandler& nextHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

// Whether an X server answers a connection setup at `address`. A server that is ending may
// still accept the connection but no longer answers it.
bool xServerAnswers(int family, const sockaddr* address, socklen_t length) {
    const int socket = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    bool answers = false;
    if (::connect(socket, address, length) == 0) {
        // Byte order, protocol 11.0, no authorization: any reply, even a refusal, will do.
        const char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        pollfd reply{socket, POLLIN, 0};
        char first = 0;
        answers = ::write(socket, setup, sizeof setup) == sizeof setup &&
                  ::poll(&reply, 1, 2000) == 1 && ::read(socket, &first, 1) == 1;
    }
    ::close(socket);
    return answers;
}

bool localSocketAnswers(const QByteArray& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const qsizetype offset = abstract ? 1 : 0;
    if (path.size() + offset >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), path.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size());
    return xServerAnswers(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

bool tcpAnswers(const QByteArray& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool answers = false;
    for (const addrinfo* each = found; each && !answers; each = each->ai_next)
        answers = xServerAnswers(each->ai_family, each->ai_addr, each->ai_addrlen);
    ::freeaddrinfo(found);
    return answers;
}

enum class Listening { Yes, No, Unknown };

// Whether an X server still listens where DISPLAY ("host:N.S", ":N" or "unix:N") points: if it
// does, the game's own connection was cut rather than the server gone.
Listening xServerListens(const QByteArray& display) {
    const qsizetype colon = display.lastIndexOf(':');
    bool isNumber = false;
    const int number = display.mid(colon + 1).split('.').value(0).toInt(&isNumber);
    if (colon < 0 || !isNumber || display.startsWith('/'))
        return Listening::Unknown;
    const QByteArray host = display.left(colon);
    bool answers = false;
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        answers = localSocketAnswers(path, true) || localSocketAnswers(path, false);
    } else {
        answers = tcpAnswers(host, 6000 + number);
    }
    return answers ? Listening::Yes : Listening::No;
}

void reportLostDisplay(const QString& message) {
    if (message.startsWith(QLatin1String("The X11 connection broke"))) {
        const QByteArray display = qgetenv("DISPLAY");
        const QString name = QString::fromLocal8Bit(display);
        switch (xServerListens(display)) {
        case Listening::Yes:
            endWithLine(QStringLiteral("lost the X display %1: the X server closed the game's "
                                       "connection (another program, such as xkill, asked it to).")
                            .arg(name));
        case Listening::No:
            endWithLine(QStringLiteral("lost the X display %1: the X server has ended.").arg(name));
        case Listening::Unknown:
            endWithLine(QStringLiteral("lost the X display %1: the connection broke.").arg(name));
        }
    }
    if (message.startsWith(QLatin1String("The Wayland connection broke")))
        endWithLine(QStringLiteral("lost the Wayland display %1: the compositor has ended or "
                                   "closed the game's connection.")
                        .arg(qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"))));
}

void watchMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    reportLostDisplay(message);
    if (nextHandler())
        nextHandler()(type, context, message);
}

} // namespace

void endOnLostDisplay() {
    nextHandler() = qInstallMessageHandler(watchMessage);
}

} // namespace platform
