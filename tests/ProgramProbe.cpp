// The real program with one scripted action after start-up, chosen by VORLAKIN_PROBE:
//   close     close the main window through its frame
//   end-key   press F3 in the focused command box
//   new-game  run New Game, print the command box's length and text (UTF-8, hex), then F3
//   table     open the high-score table and stay (for screenshots)
//   entry     open the old-high-score entry window and stay (for screenshots)
//   icon      print the windows' icon's sizes once it is set, then F3
#include "TestSupport.h"

#include "core/Program.h"
#include "forms/Forms.h"

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

const QString kMain = QStringLiteral("Form1");

void pressEndGame() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : gameWindow(kMain), Qt::Key_F3);
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
    } else if (script == "table") {
        pressKey(Qt::Key_C, Qt::ControlModifier);
    } else if (script == "entry") {
        pressKey(Qt::Key_O, Qt::ControlModifier);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm, [] { QTimer::singleShot(0, runScript); });
}
