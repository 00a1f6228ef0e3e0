// How the program is put together: its state starts afresh in one assignment, and the widgets
// work without the screen-reader layer.
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/Program.h"
#include "core/ProgramState.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "ui/AccessibilityBridge.h"
#include "ui/Window.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QString kMain = QStringLiteral("Form1");

} // namespace

class CompositionTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void aFreshStateIsAFreshRun() {
        startGame(QStringLiteral("first run"));
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
        QCOMPARE(modVariables.HighScore1, 1000);

        programState() = ProgramState{};
        for (const auto id : {WindowId::Form1, WindowId::Form2, WindowId::Form3})
            QVERIFY(!existingWindow(id));
        QCOMPARE(modVariables.HighScore1, 0);
        QCOMPARE(modVariables.HighScore5, 0);
        QCOMPARE(Command(), QString());

        startGame(QStringLiteral("second run"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(modVariables.HighScore5, 200);
        pressKey(Qt::Key_F2);
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), QStringLiteral("second run"));
    }

    void theWidgetsWorkWithoutTheScreenReaderLayer() {
        startGame();
        ui::AccessibilityBridge* installed = ui::accessibilityBridge();
        QVERIFY(installed);
        QTRY_COMPARE(toldBy(kMain).times, 1); // the welcome text
        ui::setAccessibilityBridge(nullptr);

        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        pressKey(Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), QStringLiteral("0"));
        pressKey(Qt::Key_O, Qt::ControlModifier);
        auto* entry = qobject_cast<QLineEdit*>(focusedWidget());
        QVERIFY(entry);
        QCOMPARE(entry->window(), gameWindow(QStringLiteral("Form3")));
        QCOMPARE(entry->selectedText(), QStringLiteral("0"));
        QTest::qWait(50);
        ui::setAccessibilityBridge(installed);
        QCOMPARE(toldBy(kMain).times, 1);
    }
};

QTEST_MAIN(CompositionTest)
#include "tst_composition.moc"
