// The high-score table window and the way to it and back.
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/modVariables.h"
#include "forms/main/TextPages.h"

#include <QAccessible>
#include <QTest>

#include <limits>

namespace {

const QString kTable = QStringLiteral("Form2");
const QString kMain = QStringLiteral("Form1");
const QStringList kValueLabels{"Label2", "Label4", "Label6", "Label8", "Label10"};
const QStringList kTitleLabels{"Label1", "Label3", "Label5", "Label7", "Label9"};

QStringList tableValues() {
    QStringList values;
    for (const QString& name : kValueLabels)
        values.append(textOf(kTable, name));
    return values;
}

QStringList numbers(std::initializer_list<int> values) {
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts;
}

void openTable() {
    pressKey(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
    QVERIFY(QTest::qWaitForWindowActive(gameWindow(kTable)));
}

void enterScores(std::initializer_list<const char*> entries) {
    pressKey(Qt::Key_O, Qt::ControlModifier);
    for (const char* entry : entries) {
        setBoxText(QStringLiteral("Form3"), QStringLiteral("Text1"), QString::fromLatin1(entry));
        clickButton(QStringLiteral("Form3"), QStringLiteral("Command1"));
    }
}

} // namespace

class HighScoreTableTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void showsTheDefaultsTopToBottom() {
        openTable();
        QCOMPARE(gameWindow(kTable)->windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(tableValues(), numbers({1000, 800, 600, 400, 200}));
        QStringList titles;
        for (const QString& name : kTitleLabels)
            titles.append(textOf(kTable, name));
        QCOMPARE(titles, (QStringList{"High Score 1:", "High Score 2:", "High Score 3:",
                                      "High Score 4", "High Score 5:"}));
    }

    void layoutFollowsTheTable() {
        openTable();
        QCOMPARE(control(kTable, QStringLiteral("clientArea"))->size(), QSize(255, 190));
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(control(kTable, kTitleLabels[row])->geometry(), QRect(0, 32 * row, 129, 32));
            QWidget* value = control(kTable, kValueLabels[row]);
            QCOMPARE(value->geometry(), QRect(128, 32 * row, 129, 32));
            QCOMPARE(QFontInfo(value->font()).pixelSize(), 18);
        }
        QCOMPARE(control(kTable, QStringLiteral("Command1"))->geometry(), QRect(88, 160, 81, 32));
        QCOMPARE(textOf(kTable, QStringLiteral("Command1")), QStringLiteral("OK"));
        QCOMPARE(focusName(), QStringLiteral("Form2.Command1"));
        QCOMPARE(gameWindow(kTable)->minimumSize(), gameWindow(kTable)->maximumSize());
    }

    void okReturnsToTheMainWindowAsItWasLeft() {
        triggerAction(QStringLiteral("mnuStory"));
        typeText(QStringLiteral("here"));
        openTable();
        pressKey(Qt::Key_Space); // OK has the focus
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), QStringLiteral("here"));
        QCOMPARE(textOf(kMain, QStringLiteral("Label1")), TextPages::story());

        openTable();
        pressKey(Qt::Key_Return);
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(kMain)));
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
    }

    void frameCloseDoesWhatOkDoes() {
        openTable();
        QVERIFY(!closeWindow(kTable));
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QVERIFY(gameWindow(kTable));
        QCOMPARE(endRequests(), 0);
    }

    void scoresEnteredBeforeTheFirstOpeningShow() {
        enterScores({"950", "900", "900", "100", "0"});
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        openTable();
        QCOMPARE(tableValues(), numbers({950, 900, 900, 100, 0}));
    }

    void scoresEnteredAfterTheFirstOpeningShowToo() {
        openTable();
        clickButton(kTable, QStringLiteral("Command1"));
        enterScores({"2147483647", "-1", "-2", "-3", "-2147483648"});
        openTable();
        QCOMPARE(tableValues(), numbers({std::numeric_limits<int>::max(), -1, -2, -3,
                                         std::numeric_limits<int>::min()}));
    }

    void zeroAndNegativeValuesRead() {
        modVariables.HighScore1 = 0;
        modVariables.HighScore4 = -250;
        openTable();
        QCOMPARE(tableValues(), numbers({0, 800, 600, -250, 200}));
    }

    void screenReaderReadsTheTable() {
        openTable();
        auto* window = QAccessible::queryAccessibleInterface(gameWindow(kTable));
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Form2"));
        // Only OK takes the focus, so the window itself tells the scores, in one line (one
        // braille flash), each time it opens.
        const QStringList table{
            QStringLiteral("High Score 1: 1000, High Score 2: 800, High Score 3: 600, "
                           "High Score 4 400, High Score 5: 200")};
        QTRY_COMPARE(toldBy(kTable).lines, table);
        const int times = toldBy(kTable).times;
        QCOMPARE(window->text(QAccessible::Description), QString());
        clickButton(kTable, QStringLiteral("Command1"));
        modVariables.HighScore4 = 450;
        openTable();
        QTRY_COMPARE(toldBy(kTable).times, times + 1);
        QVERIFY(toldBy(kTable).lines.value(0).contains(QStringLiteral("High Score 4 450")));
        QCOMPARE(QAccessible::queryAccessibleInterface(control(kTable, QStringLiteral("Label2")))
                     ->text(QAccessible::Name),
                 QStringLiteral("1000"));
        QCOMPARE(QAccessible::queryAccessibleInterface(control(kTable, QStringLiteral("Command1")))
                     ->text(QAccessible::Name),
                 QStringLiteral("OK"));
    }
};

QTEST_MAIN(HighScoreTableTest)
#include "tst_high_score_table.moc"
