// The old-high-score entry window: its five steps, its refusals and the way back.
#include "TestSupport.h"

#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/scores/Form3.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QAccessible>
#include <QLocale>
#include <QTest>

#include <array>

namespace {

const QString kFirst = QStringLiteral("Enter the first high score.");
const QString kSecond = QStringLiteral("Enter the second high score.");
const QString kThird = QStringLiteral("Enter the third high score.");
const QString kFourth = QStringLiteral("Enter the fourth high score.");
const QString kLast = QStringLiteral("Enter the last high score.");
const QString kFinished = QStringLiteral("You can't change the scores.");
const QString kNotANumber = QStringLiteral("Enter a number, for example 750.");
const QString kOutOfRange = QStringLiteral("Enter a score between -2147483648 and 2147483647.");

Form3& form() {
    return theForm3();
}

QString prompt() {
    return form().Label1->caption();
}

QString entry() {
    return form().Text1->text();
}

std::array<std::int32_t, 5> slots() {
    return {modVariables.HighScore1, modVariables.HighScore2, modVariables.HighScore3,
            modVariables.HighScore4, modVariables.HighScore5};
}

void openEntry() {
    pressKey(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form3")});
    QVERIFY(QTest::qWaitForWindowActive(&form()));
}

// Types into the entry box and presses OK, both through the keyboard.
void enter(const QString& text) {
    form().Text1->setFocus();
    form().Text1->selectAll();
    if (text.isEmpty())
        pressKey(Qt::Key_Delete);
    else
        typeText(text);
    pressKey(Qt::Key_Tab);
    QCOMPARE(focusedWidget(), form().Command1);
    pressKey(Qt::Key_Space);
}

} // namespace

class ScoreEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale::c());
        startProgram();
    }
    void cleanupTestCase() { releaseWindows(); }

    void opensAtTheFirstStepWithTheBoxFocused() {
        openEntry();
        QCOMPARE(form().windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(prompt(), kFirst);
        QCOMPARE(entry(), QStringLiteral("0"));
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().clientArea()->size(), QSize(265, 95));
        QCOMPARE(form().Label1->geometry(), QRect(0, 0, 265, 31));
        QCOMPARE(form().Text1->geometry(), QRect(0, 32, 265, 32));
        QCOMPARE(form().Command1->geometry(), QRect(0, 64, 265, 32));
        QCOMPARE(textOf(form(), "Command1"), QStringLiteral("OK"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusedWidget(), form().Command1);
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusedWidget(), form().Text1);
    }

    void fiveStepsFillTheSlotsAndReturn() {
        openEntry();
        const QStringList prompts{kSecond, kThird, kFourth, kLast};
        const QStringList scores{QStringLiteral("950"), QStringLiteral("900"),
                                 QStringLiteral("900"), QStringLiteral("100")};
        for (int step = 0; step < 4; ++step) {
            enter(scores[step]);
            QCOMPARE(prompt(), prompts[step]);
            QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form3")});
            QCOMPARE(entry(), scores[step]); // not cleared between steps
        }
        enter(QStringLiteral("0"));
        QCOMPARE(slots(), (std::array<std::int32_t, 5>{950, 900, 900, 100, 0}));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(prompt(), kFinished);
        QCOMPARE(entry(), QStringLiteral("0"));
    }

    void tooLargeAnEntryChangesNothingAndSaysNothing() {
        openEntry();
        enter(QStringLiteral("500"));
        const auto before = slots();
        enter(QStringLiteral("500.5"));
        QCOMPARE(prompt(), kSecond);
        QCOMPARE(slots(), before);
        QCOMPARE(entry(), QStringLiteral("500.5"));
        QVERIFY(shownMessages().isEmpty());
        // Equal is allowed.
        enter(QStringLiteral("500"));
        QCOMPARE(prompt(), kThird);
        QCOMPARE(modVariables.HighScore2, 500);
    }

    // The number shown is selected on opening and after every press that stays, so the next
    // score is typed over it: no key between one score and the next but the way to OK.
    void eachScoreIsTypedOverTheLast() {
        const auto pressOk = [] {
            pressKey(Qt::Key_Tab);
            pressKey(Qt::Key_Space);
        };
        openEntry();
        QCOMPARE(form().Text1->selectedText(), QStringLiteral("0"));
        typeText(QStringLiteral("950"));
        pressOk();
        QCOMPARE(prompt(), kSecond);
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().Text1->selectedText(), QStringLiteral("950"));

        typeText(QStringLiteral("2000")); // too large: the same step, the box ready again
        pressOk();
        QCOMPARE(prompt(), kSecond);
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().Text1->selectedText(), QStringLiteral("2000"));

        typeText(QStringLiteral("900"));
        pressKey(Qt::Key_Return);
        QCOMPARE(prompt(), kSecond);
        pressOk();
        QCOMPARE(prompt(), kThird);
        QCOMPARE(modVariables.HighScore2, 900);

        form().close(); // by the frame, and back
        pressKey(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().Text1->selectedText(), QStringLiteral("900"));
    }

    void firstStepTakesAnyNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("above the default") << "123456" << 123456;
        QTest::newRow("negative") << "-40" << -40;
        QTest::newRow("largest") << "2147483647" << 2147483647;
    }
    void firstStepTakesAnyNumber() {
        QFETCH(QString, text);
        QFETCH(int, stored);
        openEntry();
        enter(text);
        QCOMPARE(modVariables.HighScore1, stored);
        QCOMPARE(prompt(), kSecond);
    }

    void negativeEntriesBelowTheScoreAbove() {
        openEntry();
        for (const char* score : {"-10", "-20", "-20", "-300", "-2147483648"})
            enter(QString::fromLatin1(score));
        QCOMPARE(slots(), (std::array<std::int32_t, 5>{-10, -20, -20, -300, -2147483647 - 1}));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
    }

    void roundedEntryLimitsTheNextStep() {
        openEntry();
        enter(QStringLiteral("100"));
        enter(QStringLiteral("99.5"));
        QCOMPARE(modVariables.HighScore2, 100);
        QCOMPARE(prompt(), kThird);
        enter(QStringLiteral("100.25"));
        QCOMPARE(prompt(), kThird);
        enter(QStringLiteral("2.5"));
        QCOMPARE(modVariables.HighScore3, 2);
        enter(QStringLiteral("1.5"));
        QCOMPARE(modVariables.HighScore4, 2);
    }

    void eachPressMovesOneStepAtMost() {
        openEntry();
        setBoxText(form(), "Text1", QStringLiteral("300"));
        clickButton(form(), "Command1");
        QCOMPARE(prompt(), kSecond);
        clickButton(form(), "Command1");
        QCOMPARE(prompt(), kThird);
        QCOMPARE(modVariables.HighScore1, 300);
        QCOMPARE(modVariables.HighScore2, 300);
        QCOMPARE(modVariables.HighScore3, 600); // untouched until its own press
    }

    void noWayBackByOkBeforeTheFifthScore() {
        openEntry();
        for (const char* score : {"9", "8", "7", "6"}) {
            enter(QString::fromLatin1(score));
            QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form3")});
        }
        enter(QStringLiteral("7")); // too large for the last step
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form3")});
        QCOMPARE(prompt(), kLast);
    }

    void enterInTheBoxDoesNotPressOk() {
        openEntry();
        form().Text1->selectAll();
        typeText(QStringLiteral("42"));
        pressKey(Qt::Key_Return);
        pressKey(Qt::Key_Enter);
        QCOMPARE(prompt(), kFirst);
        QCOMPARE(modVariables.HighScore1, 1000);
        // On the focused button, Enter presses it.
        form().Command1->setFocus();
        pressKey(Qt::Key_Return);
        QCOMPARE(prompt(), kSecond);
        QCOMPARE(modVariables.HighScore1, 42);
    }

    void finishedWindowRefusesChanges() {
        openEntry();
        for (const char* score : {"5", "4", "3", "2", "1"})
            enter(QString::fromLatin1(score));
        const auto filled = slots();
        openEntry();
        QCOMPARE(prompt(), kFinished);
        QCOMPARE(entry(), QStringLiteral("0"));
        enter(QStringLiteral("99999"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(slots(), filled);
        // Whatever the box holds, OK leads back without a word.
        openEntry();
        enter(QStringLiteral("not a number"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QVERIFY(shownMessages().isEmpty());
        QCOMPARE(prompt(), kFinished);
    }

    void badEntriesAreRefusedWithAMessage_data() {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "" << kNotANumber;
        QTest::newRow("letters") << ""
                                 << "start" << kNotANumber;
        QTest::newRow("inf") << ""
                             << "inf" << kNotANumber;
        QTest::newRow("nan") << ""
                             << "NaN" << kNotANumber;
        QTest::newRow("huge exponent") << ""
                                       << "1e400" << kNotANumber;
        QTest::newRow("at the third step") << "700"
                                           << "12x" << kNotANumber;
        QTest::newRow("above 32 bits first") << ""
                                             << "3000000000" << kOutOfRange;
        QTest::newRow("below 32 bits later") << "10"
                                             << "-3000000000" << kOutOfRange;
        QTest::newRow("rounds past the top") << ""
                                             << "2147483647.5" << kOutOfRange;
    }
    void badEntriesAreRefusedWithAMessage() {
        QFETCH(QString, earlier);
        QFETCH(QString, text);
        QFETCH(QString, message);
        openEntry();
        if (!earlier.isEmpty()) {
            enter(earlier);
            enter(earlier);
        }
        const QString promptBefore = prompt();
        const auto before = slots();
        enter(text);
        QCOMPARE(shownMessages().size(), 1);
        QCOMPARE(shownMessages().first().caption, QStringLiteral("Form3"));
        QCOMPARE(shownMessages().first().text, message);
        QCOMPARE(prompt(), promptBefore);
        QCOMPARE(slots(), before);
        QCOMPARE(entry(), text);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form3")});
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().Text1->selectedText(), text);
    }

    void tooLargeBeyond32BitsIsJustTooLarge() {
        openEntry();
        enter(QStringLiteral("10"));
        enter(QStringLiteral("5000000000")); // above the limit: no step, so no range message
        QVERIFY(shownMessages().isEmpty());
        QCOMPARE(prompt(), kSecond);
    }

    void decimalCommaUnderGermanNumbers() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        openEntry();
        enter(QStringLiteral("100"));
        enter(QStringLiteral("99,5"));
        QCOMPARE(modVariables.HighScore2, 100);
        enter(QStringLiteral("1.5")); // no German number, so read the plain way
        QCOMPARE(modVariables.HighScore3, 2);
        enter(QStringLiteral("1.5,5")); // neither
        QCOMPARE(shownMessages().size(), 1);
        QCOMPARE(prompt(), kFourth);
        QLocale::setDefault(QLocale::c());
    }

    void frameCloseLeavesAndKeepsTheStep() {
        openEntry();
        enter(QStringLiteral("800"));
        form().Text1->setText(QStringLiteral("half typed"));
        QVERIFY(!form().close());
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(endRequests(), 0);
        openEntry();
        QCOMPARE(prompt(), kSecond);
        QCOMPARE(entry(), QStringLiteral("half typed"));
        QCOMPARE(focusedWidget(), form().Text1);
        enter(QStringLiteral("700"));
        QCOMPARE(modVariables.HighScore2, 700);
    }

    void screenReaderNamesTheBoxByItsPrompt() {
        openEntry();
        auto* box = QAccessible::queryAccessibleInterface(form().Text1);
        QCOMPARE(box->text(QAccessible::Name), kFirst);
        QCOMPARE(box->text(QAccessible::Value), QStringLiteral("0"));
        enter(QStringLiteral("3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form().Label1)->text(QAccessible::Name),
                 kSecond);
        auto* window = QAccessible::queryAccessibleInterface(&form());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Form3"));
    }
};

QTEST_MAIN(ScoreEntryTest)
#include "tst_score_entry.moc"
