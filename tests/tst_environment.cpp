// The real program in surroundings that go wrong: a display that goes away under each window, a
// window destroyed by another client, the end of the desktop session, a closed or broken
// stderr, a huge command box left idle, and settings it cannot run with.
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// An X server of the test's own, on a display that it picks itself.
class XServer {
public:
    XServer() {
        process_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("1024x768x24")});
        if (process_.waitForStarted() && process_.waitForReadyRead(20000))
            display_ = QLatin1Char(':') + QString::fromLatin1(process_.readAll().trimmed());
    }
    ~XServer() {
        process_.kill();
        process_.waitForFinished();
    }
    bool running() const { return !display_.isEmpty(); }
    QString display() const { return display_; }
    void end() {
        process_.terminate();
        process_.waitForFinished();
    }

private:
    QProcess process_;
    QString display_;
};

// The probe (tests/ProgramProbe.cpp) with a script, on `display` or on Qt's offscreen platform.
class Game {
public:
    explicit Game(const QByteArray& script, const QString& display = QString()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VORLAKIN_PROBE"), QString::fromLatin1(script));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("SESSION_MANAGER"));
        if (display.isEmpty()) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
            environment.insert(QStringLiteral("DISPLAY"), display);
        }
        process_.setProcessEnvironment(environment);
    }
    // Starts the probe, or `wrapper` (a command and its options) with the probe after them.
    void start(const QStringList& arguments = {}, const QStringList& wrapper = {}) {
        if (wrapper.isEmpty())
            process_.start(QStringLiteral(VORLAKIN_PROBE), arguments);
        else
            process_.start(wrapper[0], wrapper.mid(1) +
                                           QStringList{QStringLiteral(VORLAKIN_PROBE)} + arguments);
    }
    ~Game() {
        process_.kill();
        process_.waitForFinished();
    }
    QProcess& process() { return process_; }
    void setEnvironment(const QString& name, const QString& value) {
        QProcessEnvironment environment = process_.processEnvironment();
        environment.insert(name, value);
        process_.setProcessEnvironment(environment);
    }
    QByteArray output() {
        output_ += process_.readAllStandardOutput();
        return output_;
    }
    // The native ids of the main window and of the window the script has shown.
    QStringList readyWindows() {
        for (const QByteArray& line : output().split('\n')) {
            if (line.startsWith("ready "))
                return QString::fromLatin1(line).split(QLatin1Char(' ')).mid(1);
        }
        return {};
    }
    bool ended() const { return process_.state() == QProcess::NotRunning; }
    QString error() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QTemporaryDir runtime_;
    QProcess process_;
    QByteArray output_;
};

// What another X client can do to a window: destroy it, or (as xkill does) have the server cut
// its owner's connection. Says whether the server took the request.
bool destroyWindow(const QString& display, const QString& window, bool cutItsClient) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display.toLatin1().constData(), nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    const quint32 id = window.toUInt(nullptr, 0);
    const xcb_void_cookie_t request = cutItsClient
                                          ? xcb_kill_client_checked(connection.get(), id)
                                          : xcb_destroy_window_checked(connection.get(), id);
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection.get(), request), &std::free);
    return !error;
}

// Outside CI a missing tool skips the test; in CI it fails it.
#define REQUIRE_TOOL(available, what)                                                              \
    do {                                                                                           \
        if (!(available)) {                                                                        \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL(what " is not installed");                                                   \
            QSKIP(what " is not installed");                                                       \
        }                                                                                          \
    } while (false)

bool installed(const char* program) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

// A window's property as another X client reads it.
QByteArray windowProperty(const QString& display, quint32 window, const QByteArray& name) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display.toLatin1().constData(), nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return {};
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection.get(),
            xcb_intern_atom(connection.get(), 1, quint16(name.size()), name.constData()), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return {};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection.get(),
                               xcb_get_property(connection.get(), 0, window, atom->atom,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 1u << 24),
                               nullptr),
        &std::free);
    if (!reply)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// Whether a window is shown, as another X client sees it (XCB_MAP_STATE_*), or -1.
int windowMapState(const QString& display, quint32 window) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display.toLatin1().constData(), nullptr), &xcb_disconnect);
    const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> reply(
        xcb_get_window_attributes_reply(
            connection.get(), xcb_get_window_attributes(connection.get(), window), nullptr),
        &std::free);
    return reply ? reply->map_state : -1;
}

// The committed icon as _NET_WM_ICON holds it: width, height and ARGB pixels of each size.
QByteArray committedIconProperty() {
    QByteArray property;
    for (const quint32 size : {48u, 128u, 256u}) {
        const QImage image =
            QImage(QStringLiteral(VORLAKIN_ICON_DIR "/org.vorlakin.Vorlakin-%1.png").arg(size))
                .convertToFormat(QImage::Format_ARGB32);
        if (image.width() != int(size) || image.height() != int(size))
            return {};
        const quint32 dimensions[] = {size, size};
        property.append(reinterpret_cast<const char*>(dimensions), sizeof dimensions);
        for (int y = 0; y < image.height(); ++y)
            property.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                            image.width() * 4);
    }
    return property;
}

// The game's windows as a window manager sees them on X: the moments at which the number of
// mapped top-level windows (menus and other override-redirect windows aside) changes.
class MappedWindows {
public:
    explicit MappedWindows(const QString& display)
        : connection_(xcb_connect(display.toLatin1().constData(), nullptr), &xcb_disconnect) {
        if (xcb_connection_has_error(connection_.get()))
            return;
        const xcb_window_t root =
            xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data->root;
        const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_.get(), root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_.get());
        clock_.start();
    }
    void take() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_.get())) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
                mapped_.insert(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            else if (type == XCB_UNMAP_NOTIFY)
                mapped_.remove(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
            std::free(event);
            if (changes_.isEmpty() || changes_.last().second != mapped_.size())
                changes_.append({clock_.elapsed(), int(mapped_.size())});
        }
    }
    // The count of mapped windows from the first map on, with the time each began (ms).
    QList<std::pair<qint64, int>> changes() const { return changes_; }

private:
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection_;
    QElapsedTimer clock_;
    QSet<xcb_window_t> mapped_;
    QList<std::pair<qint64, int>> changes_;
};

// CPU time (user and system) the process has used, in clock ticks.
long long cpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
    // After the name: state is field 3, utime 14 and stime 15.
    return fields.value(12).toLongLong() + fields.value(13).toLongLong();
}

} // namespace

class EnvironmentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void displayGoesAway_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("serverEnds");
        for (const char* script : {"main", "table", "entry", "message"}) {
            QTest::addRow("%s, X server ends", script) << QByteArray(script) << true;
            QTest::addRow("%s, connection cut", script) << QByteArray(script) << false;
        }
    }

    void displayGoesAway() {
        QFETCH(QByteArray, script);
        QFETCH(bool, serverEnds);
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        XServer server;
        QVERIFY(server.running());
        Game game(script, server.display());
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.readyWindows().isEmpty(), 30000);
        if (serverEnds)
            server.end();
        else // as xkill does
            QVERIFY(destroyWindow(server.display(), game.readyWindows()[1], true));
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 20000);
        QCOMPARE(game.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.process().exitCode(), 1);
        const QString cause = serverEnds ? QStringLiteral("the X server has ended.")
                                         : QStringLiteral("the X server closed the game's "
                                                          "connection (another program, such as "
                                                          "xkill, asked it to).");
        QCOMPARE(
            game.error(),
            QStringLiteral("vorlakin: lost the X display %1: %2\n").arg(server.display(), cause));
    }

    void otherClientDestroysAWindow_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("main window") << QByteArray("main") << true << QByteArray();
        // Each back in the main window, and opened again as the player left it.
        QTest::newRow("table") << QByteArray("table") << false
                               << QByteArray("shown again: 1000 800 600 400 200\n");
        QTest::newRow("entry window")
            << QByteArray("entry") << false
            << QByteArray("shown again: Enter the second high score. / 12\n");
        QTest::newRow("message box")
            << QByteArray("message") << false
            << QByteArray("after message: Enter the first high score. / no number\n"
                          "entry goes on\n");
    }

    void otherClientDestroysAWindow() {
        QFETCH(QByteArray, script);
        QFETCH(bool, ends);
        QFETCH(QByteArray, after);
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        XServer server;
        QVERIFY(server.running());
        Game game(script, server.display());
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.readyWindows().isEmpty(), 30000);
        QVERIFY(destroyWindow(server.display(), game.readyWindows()[1], false));
        if (ends) {
            QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 20000);
            QCOMPARE(game.process().exitCode(), 0);
        } else {
            QTRY_VERIFY2_WITH_TIMEOUT(game.output().endsWith(after), game.output(), 20000);
            QVERIFY(!game.ended());
        }
        QCOMPARE(game.error(), QString());
    }

    // A logout under each window; before it, a save that ends nothing, under which the game goes
    // on with the window as the player left it.
    void sessionEnds_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("before");
        for (const char* script : {"main", "table", "entry", "message"})
            QTest::newRow(script) << QByteArray(script) << QString();
        QTest::newRow("table, checkpoint first")
            << QByteArray("table") << QStringLiteral("--checkpoint");
        QTest::newRow("message, cancelled logout first")
            << QByteArray("message") << QStringLiteral("--cancelled");
    }

    void sessionEnds() {
        QFETCH(QByteArray, script);
        QFETCH(QString, before);
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        REQUIRE_TOOL(QByteArray(VORLAKIN_ENDING_SESSION).size() > 0,
                     "libsm-dev (the test's session manager)");
        XServer server;
        QVERIFY(server.running());
        Game game(script, server.display());
        QStringList session{QStringLiteral(VORLAKIN_ENDING_SESSION)};
        if (!before.isEmpty())
            session.append(before);
        game.start({}, session);
        if (!before.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(game.output().contains("went on\n") || game.ended(), 60000);
            QVERIFY2(!game.ended(), game.output());
            const quint32 shown = game.readyWindows().value(1).toUInt();
            QCOMPARE(windowMapState(server.display(), shown), int(XCB_MAP_STATE_VIEWABLE));
            game.process().write("log out\n");
        }
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 60000);
        const QByteArray output = game.output();
        QVERIFY2(output.contains("restart hint 3\n"), output); // never
        QVERIFY2(output.endsWith("status 0\n"), output);
    }

    void standardErrorClosedOrBroken_data() {
        QTest::addColumn<bool>("broken");
        QTest::newRow("closed") << false;
        QTest::newRow("broken pipe") << true;
    }

    void standardErrorClosedOrBroken() {
        QFETCH(bool, broken);
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        XServer server;
        QVERIFY(server.running());
        Game game("new-game", server.display());
        // Every debug message on, so that the game writes to stderr from its first moment.
        game.setEnvironment(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
        game.process().setChildProcessModifier([broken] {
            int ends[2];
            if (broken && ::pipe(ends) == 0) {
                ::close(ends[0]);
                ::dup2(ends[1], STDERR_FILENO);
                ::close(ends[1]);
            } else {
                ::close(STDERR_FILENO);
            }
            std::signal(SIGPIPE, SIG_DFL);
        });
        game.start({QStringLiteral("go")});
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 30000);
        QCOMPARE(game.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.process().exitCode(), 0);
        QCOMPARE(game.output(), QByteArray("2\n676f\n"));
    }

    void idleCostDoesNotGrowWithTheCommandLine() {
        // About 2 MB: twelve arguments of the most Linux allows for one.
        QStringList longLine;
        for (int i = 0; i < 12; ++i)
            longLine.append(QString(131071, QLatin1Char('v')));
        long long idle[2] = {};
        const QStringList lines[2] = {{QStringLiteral("go north")}, longLine};
        for (int i = 0; i < 2; ++i) {
            Game game("idle");
            game.start(lines[i]);
            QTRY_VERIFY_WITH_TIMEOUT(!game.readyWindows().isEmpty(), 60000);
            QTest::qWait(2000); // New Game's repaint and the first blinks
            const long long before = cpuTicks(game.process().processId());
            QTest::qWait(3000);
            idle[i] = cpuTicks(game.process().processId()) - before;
            QVERIFY(idle[i] >= 0);
        }
        qInfo("CPU ticks in 3 s idle: short command line %lld, 2 MB command line %lld", idle[0],
              idle[1]);
        // Clock ticks are coarse and a short line may take none: a few count as nothing.
        QVERIFY2(idle[1] <= 2 * idle[0] + 5, qPrintable(QString::number(idle[1])));
    }

    void unworkableSettings_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("says");
        const QString scale = QStringLiteral(
            "vorlakin: cannot open a window: QT_SCALE_FACTOR=%1 is not a scale factor from 0.5 to "
            "8. Unset it, or set it to a number in that range.\n");
        for (const char* factor : {"0", "-1", "1000", "8.01", "0.49", "abc", "nan", "inf"})
            QTest::addRow("QT_SCALE_FACTOR=%s", factor)
                << QStringLiteral("QT_SCALE_FACTOR=%1").arg(QLatin1String(factor))
                << scale.arg(QLatin1String(factor));
        QTest::newRow("linuxfb without its framebuffer")
            << QStringLiteral("QT_QPA_PLATFORM=linuxfb:fb=/dev/no-such-fb")
            << QStringLiteral(
                   "vorlakin: cannot open a window: QT_QPA_PLATFORM=linuxfb:fb=/dev/no-such-fb "
                   "needs the framebuffer /dev/no-such-fb, which cannot be opened (No such file or "
                   "directory). Start it from a desktop session, or unset QT_QPA_PLATFORM to let "
                   "Qt choose.\n");
        if (!QFile::exists(QStringLiteral("/dev/dri")) &&
            !QFile::exists(QStringLiteral("/dev/fb0")))
            QTest::newRow("eglfs without a graphics card")
                << QStringLiteral("QT_QPA_PLATFORM=eglfs")
                << QStringLiteral(
                       "vorlakin: cannot open a window: QT_QPA_PLATFORM=eglfs needs a graphics "
                       "card "
                       "(/dev/dri/card*) or the framebuffer /dev/fb0, and neither can be opened. "
                       "Start it from a desktop session, or unset QT_QPA_PLATFORM to let Qt "
                       "choose.\n");
        QTest::newRow("too few files")
            << QStringLiteral("ulimit -n 6")
            << QStringLiteral("vorlakin: cannot start: at most 6 files may be open at once (ulimit "
                              "-n), and the game needs 32. Raise the limit to 32 or more.\n");
#ifndef VORLAKIN_SANITIZED // the sanitizers reserve terabytes of address space
        QTest::newRow("too little memory")
            << QStringLiteral("ulimit -v 102400")
            << QStringLiteral(
                   "vorlakin: cannot start: the memory limit (ulimit -v) is 100 MiB, and "
                   "the game needs 384 MiB. Raise the limit to 384 MiB or more.\n");
#endif
        QTest::newRow("QT_SCALE_FACTOR=0.5 works")
            << QStringLiteral("QT_SCALE_FACTOR=0.5") << QString();
        QTest::newRow("QT_SCALE_FACTOR=8 works")
            << QStringLiteral("QT_SCALE_FACTOR=8") << QString();
    }

    void unworkableSettings() {
        QFETCH(QString, setting);
        QFETCH(QString, says);
        // The offscreen platform unless the setting names another.
        const QString command = setting.startsWith(QLatin1String("ulimit"))
                                    ? setting + QStringLiteral(" && exec \"$0\"")
                                    : QStringLiteral("export %1 && exec \"$0\"").arg(setting);
        Game game("close");
        game.process().start(QStringLiteral("/bin/sh"),
                             {QStringLiteral("-c"), command, QStringLiteral(VORLAKIN_PROBE)});
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 60000);
        QCOMPARE(game.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.process().exitCode(), says.isEmpty() ? 0 : 1);
        if (!says.isEmpty())
            QCOMPARE(game.error(), says);
        QCOMPARE(game.output(), QByteArray());
    }

    // What title bars and window switchers get on X, where no icon theme has the game's icon:
    // the committed icon's pixels, every size, sent once after the main window's first frame.
    void builtInIconReachesX() {
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        const QByteArray expected = committedIconProperty();
        QVERIFY(!expected.isEmpty());
        XServer server;
        QVERIFY(server.running());
        QTemporaryDir noThemes;
        Game game("x11-icon", server.display());
        game.setEnvironment(QStringLiteral("XDG_DATA_DIRS"), noThemes.path());
        game.setEnvironment(QStringLiteral("XDG_DATA_HOME"), noThemes.path());
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.readyWindows().isEmpty(), 30000);
        const quint32 main = game.readyWindows()[0].toUInt();
        QCOMPARE(windowProperty(server.display(), main, "_NET_WM_ICON"), expected);
        // Once, as the program stores it: Qt's way would copy it twice over first.
        QVERIFY2(game.output().startsWith("icon set 1 time(s), Qt kept from sending it: yes\n"),
                 game.output().constData());
        QCOMPARE(game.error(), QString());
    }

    // One window on the screen at any time: at every switch the one goes before the next comes,
    // and the screen is without a window of the game no longer than a switch takes.
    void windowSwitchesShowOneWindowAtATime() {
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        XServer server;
        QVERIFY(server.running());
        MappedWindows windows(server.display());
        Game game("switches", server.display());
        game.start();
        QElapsedTimer waited;
        waited.start();
        while (!game.output().contains("switched") && waited.elapsed() < 60000) {
            windows.take();
            QTest::qWait(1);
        }
        windows.take();
        QVERIFY2(game.output().contains("switched"), qPrintable(game.error()));
        const auto changes = windows.changes();
        QStringList seen;
        for (const auto& [time, count] : changes)
            seen.append(QStringLiteral("%1 at %2 ms").arg(count).arg(time));
        // Shown, then each of eight switches away and back: a gap and the next window.
        QVERIFY2(changes.size() >= 1 + 2 * 8, qPrintable(seen.join(QStringLiteral(", "))));
        for (qsizetype i = 1; i < changes.size(); ++i) {
            QVERIFY2(changes[i].second <= 1, qPrintable(seen.join(QStringLiteral(", "))));
            if (changes[i].second == 0 && i + 1 < changes.size())
                QVERIFY2(changes[i + 1].first - changes[i].first < 500,
                         qPrintable(seen.join(QStringLiteral(", "))));
        }
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 30000);
        QCOMPARE(game.process().exitCode(), 0);
    }

    void deadWaylandDisplayBesideWorkingX11SaysNothing() {
        REQUIRE_TOOL(installed("Xvfb"), "Xvfb");
        XServer server;
        QVERIFY(server.running());
        Game game("close", server.display());
        game.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-nothing"));
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(game.ended(), 30000);
        QCOMPARE(game.process().exitCode(), 0);
        QCOMPARE(game.error(), QString());
    }
};

QTEST_GUILESS_MAIN(EnvironmentTest)
#include "tst_environment.moc"
