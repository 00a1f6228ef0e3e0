#include "platform/WindowSystem.h"

#include "platform/FatalLine.h"

#include <QApplication>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <mutex>

namespace platform {

namespace {

QString variable(const char* name) {
    return qEnvironmentVariable(name);
}

// FIXME(Qt 6.4 to 6.11): pinned by tst_process's noWindowCanOpen.
// Qt tells why its platform plugin failed only in log messages, then aborts. Remove when Qt reports
// the failure to the program.
// What Qt says while its platform plugin fails does not fit a player: a line about a plugin,
// advice to reinstall, and then an abort. The causes it names are found in those messages.
struct PlatformFailure {
    QStringList missingPlugins;
    QStringList pluginsThatDidNotStart;
    bool xcbFailed = false;
    QString xDisplay;
    bool waylandFailed = false;
    QString availablePlugins;
    QString fatal;

    void read(const QString& text) {
        static const QRegularExpression missing(
            QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
        static const QRegularExpression notStarted(
            QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\""));
        static const QRegularExpression xcb(QStringLiteral("could not connect to display ?(.*)$"));
        static const QRegularExpression available(
            QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\s*$"));
        if (const auto match = missing.match(text); match.hasMatch())
            missingPlugins.append(match.captured(1));
        else if (const auto match = notStarted.match(text); match.hasMatch())
            pluginsThatDidNotStart.append(match.captured(1));
        else if (const auto match = xcb.match(text); match.hasMatch()) {
            xcbFailed = true;
            xDisplay = match.captured(1).trimmed();
        } else if (text.startsWith(QLatin1String("Failed to create wl_display")))
            waylandFailed = true;
        if (const auto match = available.match(text); match.hasMatch())
            availablePlugins = match.captured(1);
    }

    [[noreturn]] void report() const {
        QStringList causes;
        if (waylandFailed) {
            const QString display = variable("WAYLAND_DISPLAY");
            causes.append(display.isEmpty()
                              ? QStringLiteral("no Wayland compositor answers at wayland-0 "
                                               "(WAYLAND_DISPLAY is not set)")
                              : QStringLiteral("no Wayland compositor answers at "
                                               "WAYLAND_DISPLAY=%1")
                                    .arg(display));
        }
        const bool chosen = !variable("QT_QPA_PLATFORM").isEmpty();
        for (const QString& plugin : missingPlugins)
            causes.append(
                chosen
                    ? QStringLiteral("QT_QPA_PLATFORM names the platform plugin "
                                     "\"%1\", which Qt does not have")
                          .arg(plugin)
                    : QStringLiteral("Qt's platform plugin \"%1\" is not installed").arg(plugin));
        // Qt tries X11 last even without DISPLAY; that failure only matters when it is the one.
        if (xcbFailed && (!xDisplay.isEmpty() || causes.isEmpty()))
            causes.append(
                xDisplay.isEmpty()
                    ? QStringLiteral("no X display (DISPLAY is not set)")
                    : QStringLiteral("the X display %1 does not answer or refuses the connection")
                          .arg(xDisplay));
        for (const QString& plugin : pluginsThatDidNotStart) {
            const bool explained = (plugin == QLatin1String("xcb") && xcbFailed) ||
                                   (plugin.startsWith(QLatin1String("wayland")) && waylandFailed);
            if (!explained)
                causes.append(
                    QStringLiteral("Qt's platform plugin \"%1\" did not start").arg(plugin));
        }
        if (causes.isEmpty())
            causes.append(QStringLiteral("the window system did not start (%1)")
                              .arg(fatal.section(QLatin1Char('\n'), 0, 0).trimmed()));

        QString advice;
        if (!missingPlugins.isEmpty())
            advice = chosen ? QStringLiteral("Unset QT_QPA_PLATFORM, or set it to one of: %1.")
                                  .arg(availablePlugins)
                            : QStringLiteral("Install the package %1.")
                                  .arg(missingPlugins.first().startsWith(QLatin1String("wayland"))
                                           ? QStringLiteral("qt6-wayland")
                                           : QStringLiteral("qt6-qpa-plugins"));
        else if (waylandFailed || xcbFailed)
            advice =
                xDisplay.isEmpty()
                    ? QStringLiteral("Start it from a desktop session.")
                    : QStringLiteral("Start it from a desktop session, or set DISPLAY to a running "
                                     "X server.");
        else
            advice = QStringLiteral("Run it with QT_DEBUG_PLUGINS=1 to see why.");
        cannotOpenWindow(causes.join(QStringLiteral(", and ")), advice);
    }
};

// Qt's messages while the platform starts, held back until it is known whether it started.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::mutex heldMutex;
QList<HeldMessage> heldMessages;

const char* orNull(const QByteArray& text) {
    return text.isNull() ? nullptr : text.constData();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    if (type == QtFatalMsg) {
        PlatformFailure failure;
        for (const HeldMessage& held : std::as_const(heldMessages))
            failure.read(held.text);
        failure.read(text);
        failure.fatal = text;
        failure.report();
    }
    heldMessages.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                         QByteArray(context.category), text});
}

bool isWaylandFailure(const QString& text) {
    return text.startsWith(QLatin1String("Failed to create wl_display")) ||
           text.contains(QLatin1String("platform plugin \"wayland"));
}

// The cases that the environment alone decides, caught before Qt prints anything of its own.
void checkEnvironment() {
    const QString platform = variable("QT_QPA_PLATFORM");
    const QString waylandDisplay = variable("WAYLAND_DISPLAY");
    const bool x11 = !variable("DISPLAY").isEmpty();
    const bool wayland =
        !waylandDisplay.isEmpty() || variable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (platform.isEmpty() && !x11 && !wayland)
        cannotOpenWindow(QStringLiteral("no display (DISPLAY and WAYLAND_DISPLAY are not set)"),
                         QStringLiteral("Start it from a desktop session."));
    // Without XDG_RUNTIME_DIR the Wayland library cannot find the compositor's socket, and says
    // so on standard error itself.
    const bool onlyWayland = platform.isEmpty() ? wayland && !x11
                                                : platform.startsWith(QLatin1String("wayland")) &&
                                                      !platform.contains(QLatin1Char(';'));
    if (onlyWayland && variable("XDG_RUNTIME_DIR").isEmpty() &&
        !waylandDisplay.startsWith(QLatin1Char('/')))
        cannotOpenWindow(
            QStringLiteral("no Wayland compositor can be found (XDG_RUNTIME_DIR is not set)"),
            QStringLiteral("Start it from a desktop session."));
}

} // namespace

std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv) {
    checkEnvironment();
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    const std::lock_guard lock(heldMutex);
    for (const HeldMessage& held : std::as_const(heldMessages)) {
        // A Wayland that did not answer is no news once X11 has started in its place.
        if (isWaylandFailure(held.text))
            continue;
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function),
                                         orNull(held.category));
        qt_message_output(held.type, context, held.text);
    }
    heldMessages.clear();
    return application;
}

} // namespace platform
