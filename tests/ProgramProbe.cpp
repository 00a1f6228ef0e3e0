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
#include "core/Program.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/scores/Form3.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void pressEndGame() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &theForm1(), Qt::Key_F3);
}

void sayReady(QWidget& shown) {
    (void)QTest::qWaitForWindowExposed(&shown);
    // Settled: the icon comes after the main window's first frame.
    (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
    std::printf("ready %llu %llu\n", static_cast<unsigned long long>(theForm1().winId()),
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
    Form3& entry = theForm3();
    std::printf("after message: %s / %s\n", qPrintable(entry.Label1->caption()),
                qPrintable(entry.Text1->text()));
    std::fflush(stdout);
    entry.Text1->setText(QStringLiteral("750"));
    QTest::keyClick(entry.Command1, Qt::Key_Space);
    if (entry.Label1->caption() == QLatin1String("Enter the second high score."))
        std::puts("entry goes on");
    std::fflush(stdout);
}

void runScript() {
    (void)QTest::qWaitForWindowActive(&theForm1());
    const QByteArray script = qgetenv("VORLAKIN_PROBE");
    if (script == "close") {
        theForm1().close();
    } else if (script == "end-key") {
        pressEndGame();
    } else if (script == "new-game") {
        theForm1().mnuNewGame_Click();
        const QByteArray text = theForm1().Text1->text().toUtf8();
        std::printf("%lld\n%s\n", static_cast<long long>(theForm1().Text1->text().size()),
                    text.toHex().constData());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "icon") {
        (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
        for (const QSize size : QApplication::windowIcon().availableSizes())
            std::printf("%dx%d\n", size.width(), size.height());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "main") {
        sayReady(theForm1());
    } else if (script == "idle") {
        theForm1().mnuNewGame_Click();
        theForm1().Text1->setFocus();
        sayReady(theForm1());
    } else if (script == "table") {
        SwitchWindow(WindowId::Form1, WindowId::Form2);
        sayReady(window(WindowId::Form2));
    } else if (script == "entry") {
        SwitchWindow(WindowId::Form1, WindowId::Form3);
        sayReady(window(WindowId::Form3));
    } else if (script == "message") {
        SwitchWindow(WindowId::Form1, WindowId::Form3);
        (void)QTest::qWaitForWindowExposed(&theForm3());
        theForm3().Text1->setText(QStringLiteral("no number"));
        sayWhenMessageShown();
        theForm3().Command1_Click();
        goOnInTheEntryWindow();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm, [] { QTimer::singleShot(0, runScript); });
}
