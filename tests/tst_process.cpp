// The real program as a process: how it ends, what its command line does, and what it says
// where no window can open.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray output;
    QByteArray error;
};

// Variables to set; an empty value removes the variable.
using Environment = QList<std::pair<QString, QString>>;

Run runProbe(const QByteArray& script, const QString& program, const QStringList& arguments,
             const Environment& changes = {
                 {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VORLAKIN_PROBE"), QString::fromLatin1(script));
    for (const auto& [name, value] : changes) {
        if (value.isEmpty())
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    run.output = process.readAllStandardOutput();
    run.error = process.readAllStandardError();
    return run;
}

Run runProbe(const QByteArray& script, const QStringList& arguments = {}) {
    return runProbe(script, QStringLiteral(VORLAKIN_PROBE), arguments);
}

// New Game's command box, as the probe prints it: its length, then its UTF-8 in hex.
QString commandBoxAfterNewGame(const Run& run) {
    const QList<QByteArray> lines = run.output.split('\n');
    if (lines.size() < 2)
        return QStringLiteral("<no output>");
    return QString::fromUtf8(QByteArray::fromHex(lines[1]));
}

// The environment of a terminal outside any desktop session, with `changes` on top.
Environment withoutDisplay(const Environment& changes = {}) {
    Environment environment;
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "XDG_RUNTIME_DIR"})
        environment.append({QString::fromLatin1(name), QString()});
    return environment + changes;
}

// An X display number at which no server runs. A root with a /tmp of its own (as in
// tools/test-in-debian.sh) still reaches the host's servers through their abstract sockets, which
// only /proc/net/unix names.
QString deadXDisplay() {
    QFile sockets(QStringLiteral("/proc/net/unix"));
    const QByteArray listed = sockets.open(QIODevice::ReadOnly) ? sockets.readAll() : QByteArray();
    int number = 77;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)) ||
           QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
           listed.contains(QStringLiteral("@/tmp/.X11-unix/X%1\n").arg(number).toLatin1()))
        ++number;
    return QStringLiteral(":%1").arg(number);
}

// Qt 6.4 and 6.8 ship the plugin as libqwayland-generic in qt6-wayland; Qt 6.11 as libqwayland in
// libqt6waylandclient6, which other packages pull in.
bool waylandPluginInstalled() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return !platforms
                .entryList(
                    {QStringLiteral("libqwayland-generic*"), QStringLiteral("libqwayland.*")})
                .isEmpty();
}

} // namespace

class ProcessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frameCloseOfTheMainWindowEndsWithStatusZero() {
        const Run run = runProbe("close");
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
    }

    void endGameKeyEndsWithStatusZero() {
        const Run run = runProbe("end-key");
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
    }

    void noWindowCanOpen_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<QString>("says");
        const QString noDisplay = QStringLiteral(
            "vorlakin: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are not "
            "set). Start it from a desktop session.\n");
        QTest::newRow("no display") << QStringList() << withoutDisplay() << noDisplay;
        // Were -platform honoured, the run would start.
        QTest::newRow("no display, -platform offscreen")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")}
            << withoutDisplay() << noDisplay;

        const QString x = deadXDisplay();
        QTest::newRow("X display that does not answer")
            << QStringList() << withoutDisplay({{QStringLiteral("DISPLAY"), x}})
            << QStringLiteral("the X display %1 does not answer or refuses the connection").arg(x);
        QTest::newRow("X11 chosen, DISPLAY not set")
            << QStringList()
            << withoutDisplay({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")}})
            << QStringLiteral("no X display (DISPLAY is not set)");
        QTest::newRow("no such platform plugin")
            << QStringList()
            << withoutDisplay({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuchplugin")},
                               {QStringLiteral("DISPLAY"), x}})
            << QStringLiteral("QT_QPA_PLATFORM names the platform plugin \"nosuchplugin\", which "
                              "Qt does not have. Unset QT_QPA_PLATFORM, or set it to one of: ");
        QTest::newRow("Wayland chosen, XDG_RUNTIME_DIR not set")
            << QStringList()
            << withoutDisplay({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland")}})
            << QStringLiteral("no Wayland compositor can be found (XDG_RUNTIME_DIR is not set)");

        static const QTemporaryDir runtimeDirectory;
        const Environment deadWayland{
            {QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path()},
            {QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-nothing")}};
        if (waylandPluginInstalled()) {
            QTest::newRow("Wayland compositor that does not answer")
                << QStringList() << withoutDisplay(deadWayland)
                << QStringLiteral("no Wayland compositor answers at "
                                  "WAYLAND_DISPLAY=wayland-nothing. Start it");
            QTest::newRow("neither Wayland nor X11 answers")
                << QStringList()
                << withoutDisplay(deadWayland + Environment{{QStringLiteral("DISPLAY"), x}})
                << QStringLiteral(
                       "no Wayland compositor answers at WAYLAND_DISPLAY="
                       "wayland-nothing, and the X display %1 does not answer or refuses")
                       .arg(x);
        } else {
            QTest::newRow("Wayland chosen, its plugin not installed")
                << QStringList()
                << withoutDisplay(deadWayland + Environment{{QStringLiteral("QT_QPA_PLATFORM"),
                                                             QStringLiteral("wayland")}})
                << QStringLiteral("platform plugin \"wayland\", which Qt does not have");
        }
    }

    void noWindowCanOpen() {
        QFETCH(QStringList, arguments);
        QFETCH(Environment, environment);
        QFETCH(QString, says);
        const Run run = runProbe("close", QStringLiteral(VORLAKIN_PROBE), arguments, environment);
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        const QString error = QString::fromLocal8Bit(run.error);
        QVERIFY2(error.startsWith(QStringLiteral("vorlakin: cannot open a window: ")),
                 qPrintable(error));
        QVERIFY2(error.contains(says), qPrintable(error));
        QVERIFY2(error.endsWith(QLatin1Char('\n')) && error.count(QLatin1Char('\n')) == 1,
                 qPrintable(error));
        QVERIFY(run.output.isEmpty());
    }

    void offscreenNeedsNoDisplay() {
        const Run run = runProbe(
            "close", QStringLiteral(VORLAKIN_PROBE), {},
            withoutDisplay({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}}));
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
    }

    void windowsGetTheGameIcon() {
        const Run run = runProbe("icon");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output, QByteArray("48x48\n128x128\n256x256\n"));
    }

    void qtOptionsAreJustText() {
        // Were -platform honoured, the run would fail without a display.
        const QStringList arguments{QStringLiteral("-platform"), QStringLiteral("xcb"),
                                    QStringLiteral("-style"), QStringLiteral("windows"),
                                    QStringLiteral("-reverse")};
        const Run run = runProbe("new-game", arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(commandBoxAfterNewGame(run), arguments.join(QLatin1Char(' ')));
    }

    void noArgumentsEmptiesTheBox() {
        const Run run = runProbe("new-game");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output.split('\n').value(0), QByteArray("0"));
    }

    // Every form a shell passes: words quoted with their blanks, blanks at either end, empty
    // words, tabs and line feeds, quotes, other scripts. The box holds them joined by one blank.
    void argumentsArriveAsGiven_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("blanks and quotes")
            << QStringList{QStringLiteral("take brick"), QStringLiteral("\"quoted\""),
                           QStringLiteral("it's"), QString(), QStringLiteral("\u00e9\u4e2d")};
        QTest::newRow("blanks at the ends")
            << QStringList{QStringLiteral("  take"), QStringLiteral("lamp  ")};
        QTest::newRow("blanks alone") << QStringList{QStringLiteral("   ")};
        QTest::newRow("empty words around one")
            << QStringList{QString(), QStringLiteral("go"), QString()};
        QTest::newRow("only empty words") << QStringList{QString(), QString()};
        QTest::newRow("tab and line feed")
            << QStringList{QStringLiteral("a\tb"), QStringLiteral("c\nd")};
        QTest::newRow("dashes") << QStringList{QStringLiteral("-"), QStringLiteral("--"),
                                               QStringLiteral("--session")};
    }
    void argumentsArriveAsGiven() {
        QFETCH(QStringList, arguments);
        const Run run = runProbe("new-game", arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(commandBoxAfterNewGame(run), arguments.join(QLatin1Char(' ')));
    }

    // How a session manager restarts a program: "-session ID" after its command line, which may
    // be empty. A lone "-session" at the end is the player's.
    void sessionManagersArgumentsAreLeftOut_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("box");
        const QString session = QStringLiteral("-session");
        const QString id = QStringLiteral("10d0e2a0c7000170_1");
        QTest::newRow("in the middle")
            << QStringList{QStringLiteral("take"), session, id, QStringLiteral("lamp"), session}
            << QStringLiteral("take lamp -session");
        QTest::newRow("at the end")
            << QStringList{QStringLiteral("take"), QStringLiteral("lamp"), session, id}
            << QStringLiteral("take lamp");
        QTest::newRow("alone") << QStringList{session, id} << QString();
    }
    void sessionManagersArgumentsAreLeftOut() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, box);
        const Run run = runProbe("new-game", arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(commandBoxAfterNewGame(run), box);
    }

    void bytesThatAreNotUtf8DoNoHarm() {
        const Run run = runProbe("new-game", QStringLiteral("/bin/sh"),
                                 {QStringLiteral("-c"),
                                  QStringLiteral("exec \"$0\" \"$(printf 'a\\377\\376b')\" tail"),
                                  QStringLiteral(VORLAKIN_PROBE)});
        QCOMPARE(run.exitCode, 0);
        const QString box = commandBoxAfterNewGame(run);
        QVERIFY2(box.startsWith(QLatin1Char('a')) && box.endsWith(QStringLiteral("b tail")),
                 qPrintable(box));
    }

    void argumentsAsLongAsLinuxAllows() {
        // One argument may take 128 KiB less its terminator; all of them about 2 MB.
        const QString longest(131071, QLatin1Char('v'));
        QStringList arguments;
        for (int i = 0; i < 12; ++i)
            arguments.append(longest);
        const Run run = runProbe("new-game", arguments);
        QCOMPARE(run.exitCode, 0);
        const qsizetype expected = 12 * 131071 + 11;
        QCOMPARE(run.output.split('\n').value(0).toLongLong(), expected);
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "tst_process.moc"
