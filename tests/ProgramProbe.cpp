// The real program with one scripted action after start-up, chosen by VORLAKIN_PROBE:
//   close     close the main window through its frame
//   end-key   press F3 in the focused command box
//   new-game  run New Game, print the command box's length and text (UTF-8, hex), then F3
//   main      stay in the main window
//   idle      run New Game, leave the focus in the command box and stay
//   table     open the high-score table and stay
//   entry     open the old-high-score entry window and stay
//   message   in the entry window, press OK on a text that is no number, and stay in the message
//   icon      print the windows' icon's sizes once it is set, then F3
// The states that stay print "ready" and the native window ids of the main window and of the
// window shown, once it is shown; after the message box is answered (OK or its window taken
// away) the entry window's prompt and box follow, and "entry goes on" once OK on a number
// there has moved on to the next prompt.
#include "TestSupport.h"

#include "core/Program.h"
#include "forms/Forms.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

const QString kMain = QStringLiteral("Form1");
const QString kEntry = QStringLiteral("Form3");

void pressEndGame() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : gameWindow(kMain), Qt::Key_F3);
}

void sayReady(QWidget& shown) {
    (void)QTest::qWaitForWindowExposed(&shown);
    // Settled: the icon comes after the main window's first frame.
    (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
    std::printf("ready %llu %llu\n", static_cast<unsigned long long>(gameWindow(kMain)->winId()),
                static_cast<unsigned long long>(shown.winId()));
    std::fflush(stdout);
}

void sayWhenMessageShown() {
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            sayReady(*box);
        else
            sayWhenMessageShown();
    });
}

// After the message: the entry window takes keys again, and takes a number.
void goOnInTheEntryWindow() {
    std::printf("after message: %s / %s\n", qPrintable(textOf(kEntry, QStringLiteral("Label1"))),
                qPrintable(textOf(kEntry, QStringLiteral("Text1"))));
    std::fflush(stdout);
    setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("750"));
    QTest::keyClick(control<QPushButton>(kEntry, QStringLiteral("Command1")), Qt::Key_Space);
    if (textOf(kEntry, QStringLiteral("Label1")) == QLatin1String("Enter the second high score."))
        std::puts("entry goes on");
    std::fflush(stdout);
}

void runScript() {
    (void)QTest::qWaitForWindowActive(gameWindow(kMain));
    const QByteArray script = qgetenv("VORLAKIN_PROBE");
    if (script == "close") {
        closeWindow(kMain);
    } else if (script == "end-key") {
        pressEndGame();
    } else if (script == "new-game") {
        triggerAction(QStringLiteral("mnuNewGame"));
        const QString box = textOf(kMain, QStringLiteral("Text1"));
        std::printf("%lld\n%s\n", static_cast<long long>(box.size()),
                    box.toUtf8().toHex().constData());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "icon") {
        (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
        for (const QSize size : QApplication::windowIcon().availableSizes())
            std::printf("%dx%d\n", size.width(), size.height());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "main") {
        sayReady(*gameWindow(kMain));
    } else if (script == "idle") {
        triggerAction(QStringLiteral("mnuNewGame"));
        control(kMain, QStringLiteral("Text1"))->setFocus();
        sayReady(*gameWindow(kMain));
    } else if (script == "table") {
        pressKey(Qt::Key_C, Qt::ControlModifier);
        sayReady(*gameWindow(QStringLiteral("Form2")));
    } else if (script == "entry") {
        pressKey(Qt::Key_O, Qt::ControlModifier);
        sayReady(*gameWindow(kEntry));
    } else if (script == "message") {
        pressKey(Qt::Key_O, Qt::ControlModifier);
        (void)QTest::qWaitForWindowExposed(gameWindow(kEntry));
        setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("no number"));
        sayWhenMessageShown();
        QTest::mouseClick(control<QPushButton>(kEntry, QStringLiteral("Command1")), Qt::LeftButton);
        goOnInTheEntryWindow();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm, [] { QTimer::singleShot(0, runScript); });
}
