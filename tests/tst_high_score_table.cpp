// The high-score table window and the way to it and back.
#include "TestSupport.h"

#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/scores/Form2.h"
#include "forms/scores/Form3.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/accessible/Announcer.h"

#include <QAccessible>
#include <QTest>

namespace {

QStringList tableValues() {
    QStringList values;
    for (const char* name : {"Label2", "Label4", "Label6", "Label8", "Label10"})
        values.append(textOf(theForm2(), name));
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
    QVERIFY(QTest::qWaitForWindowActive(&theForm2()));
}

void enterScores(std::initializer_list<const char*> entries) {
    SwitchWindow(WindowId::Form1, WindowId::Form3);
    for (const char* entry : entries) {
        setBoxText(theForm3(), "Text1", QString::fromLatin1(entry));
        clickButton(theForm3(), "Command1");
    }
}

} // namespace

class HighScoreTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { startProgram(); }
    void cleanupTestCase() { releaseWindows(); }

    void showsTheDefaultsTopToBottom() {
        openTable();
        QCOMPARE(theForm2().windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(tableValues(), numbers({1000, 800, 600, 400, 200}));
        QStringList titles;
        for (const char* name : {"Label1", "Label3", "Label5", "Label7", "Label9"})
            titles.append(textOf(theForm2(), name));
        QCOMPARE(titles, (QStringList{"High Score 1:", "High Score 2:", "High Score 3:",
                                      "High Score 4", "High Score 5:"}));
    }

    void layoutFollowsTheTable() {
        openTable();
        QCOMPARE(theForm2().clientArea()->size(), QSize(255, 190));
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(theForm2().titleLabels[row]->geometry(), QRect(0, 32 * row, 129, 32));
            QCOMPARE(theForm2().valueLabels[row]->geometry(), QRect(128, 32 * row, 129, 32));
            QCOMPARE(QFontInfo(theForm2().valueLabels[row]->font()).pixelSize(), 18);
        }
        QCOMPARE(theForm2().Command1->geometry(), QRect(88, 160, 81, 32));
        QCOMPARE(textOf(theForm2(), "Command1"), QStringLiteral("OK"));
        QCOMPARE(focusedWidget(), theForm2().Command1);
        QCOMPARE(theForm2().minimumSize(), theForm2().maximumSize());
    }

    void okReturnsToTheMainWindowAsItWasLeft() {
        theForm1().mnuStory_Click();
        typeText(QStringLiteral(" here"));
        openTable();
        pressKey(Qt::Key_Space); // OK has the focus
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(textOf(theForm1(), "Text1"), QStringLiteral("Command here"));
        QVERIFY(textOf(theForm1(), "Label1").startsWith(QStringLiteral("Magomalo")));

        openTable();
        pressKey(Qt::Key_Return);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QVERIFY(QTest::qWaitForWindowActive(&theForm1()));
        QCOMPARE(focusedWidget(), theForm1().Text1);
    }

    void frameCloseDoesWhatOkDoes() {
        openTable();
        QVERIFY(!theForm2().close());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QVERIFY(existingWindow(WindowId::Form2));
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
        clickButton(theForm2(), "Command1");
        enterScores({"5000", "-1", "-2", "-3", "-2147483648"});
        openTable();
        QCOMPARE(tableValues(), numbers({5000, -1, -2, -3, std::numeric_limits<int>::min()}));
    }

    void zeroAndNegativeValuesRead() {
        modVariables.HighScore1 = 0;
        modVariables.HighScore4 = -250;
        openTable();
        QCOMPARE(tableValues(), numbers({0, 800, 600, -250, 200}));
    }

    void screenReaderReadsTheTable() {
        openTable();
        auto* window = QAccessible::queryAccessibleInterface(&theForm2());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Form2"));
        // Only OK takes the focus, so the window itself tells the scores, in one line (one
        // braille flash), each time it opens.
        const QStringList table{
            QStringLiteral("High Score 1: 1000, High Score 2: 800, High Score 3: 600, "
                           "High Score 4 400, High Score 5: 200")};
        QTRY_COMPARE(ui::Announcer::of(theForm2()).spokenLines(), table);
        const int times = ui::Announcer::of(theForm2()).announcementCount();
        QCOMPARE(window->text(QAccessible::Description), QString());
        clickButton(theForm2(), "Command1");
        modVariables.HighScore4 = 450;
        openTable();
        QTRY_COMPARE(ui::Announcer::of(theForm2()).announcementCount(), times + 1);
        QVERIFY(ui::Announcer::of(theForm2())
                    .spokenLines()
                    .value(0)
                    .contains(QStringLiteral("High Score 4 450")));
        QCOMPARE(QAccessible::queryAccessibleInterface(theForm2().valueLabels[0])
                     ->text(QAccessible::Name),
                 QStringLiteral("1000"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(theForm2().Command1)->text(QAccessible::Name),
            QStringLiteral("OK"));
    }
};

QTEST_MAIN(HighScoreTableTest)
#include "tst_high_score_table.moc"
