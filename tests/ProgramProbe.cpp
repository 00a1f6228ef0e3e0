// The real program with one scripted action after start-up, chosen by VORLAKIN_PROBE:
//   close     close the main window through its frame
//   end-key   press F3 in the focused command box
//   new-game  run New Game, print the command box's length and text (UTF-8, hex), then F3
//   table     open the high-score table and stay (for screenshots)
//   entry     open the old-high-score entry window and stay (for screenshots)
//   icon      print the windows' icon's sizes once it is set, then F3
#include "core/Program.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "ui/TextBox.h"

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void pressEndGame() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &theForm1(), Qt::Key_F3);
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
    } else if (script == "table") {
        SwitchWindow(WindowId::Form1, WindowId::Form2);
    } else if (script == "entry") {
        SwitchWindow(WindowId::Form1, WindowId::Form3);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm, [] { QTimer::singleShot(0, runScript); });
}
