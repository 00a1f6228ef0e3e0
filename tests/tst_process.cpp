// The real program as a process: how it ends, and what its command line does.
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray output;
};

Run runProbe(const QByteArray& script, const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VORLAKIN_PROBE"), QString::fromLatin1(script));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
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

    void blanksAndQuotesArriveAsGiven() {
        const QStringList arguments{QStringLiteral("take brick"), QStringLiteral("\"quoted\""),
                                    QStringLiteral("it's"), QString(), QStringLiteral("\u00e9\u4e2d")};
        const Run run = runProbe("new-game", arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(commandBoxAfterNewGame(run), arguments.join(QLatin1Char(' ')));
    }

    void bytesThatAreNotUtf8DoNoHarm() {
        const Run run = runProbe(
            "new-game", QStringLiteral("/bin/sh"),
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
