// The fixed pages of the main window's text area, letter for letter.
#include "TestSupport.h"

#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "ui/Label.h"

#include <QAction>
#include <QTest>

namespace {

const QString kStory = QStringLiteral(
    "Magomalo had been plotting his scheme for three hundred years, and was now ready to put it "
    "into action. He set a spell on the whole of Tierra to turn the whole day into darkness. And "
    "now, nobody could stop him from controlling Tierra and the people living on it. Or so he "
    "thought...\nPress 'GO' to continue.");

const QString kCharacters = QStringLiteral("Alan --- 18. Brave, always the first to fight.\n"
                                           "Jane --- 16. Excellent at spell casting.\n"
                                           "Ricky -- 17. Strong, can carry many objects.\n"
                                           "Mary --- 19. Cunning, easily solves most puzzles.\n"
                                           "Quince - 14. Photographic memory, never gets lost.\n"
                                           "\n"
                                           "Bird ------- Fly up or over things.\n"
                                           "Mouse ------ Go in small holes.\n"
                                           "Porcupine -- Break bubbles or glass.\n"
                                           "Dog -------- Carry back heavy items.");

const QString kHowToPlay = QStringLiteral(
    "To go north, type 'n'. To go south, type 's'. To go east, type 'e'. To go west, type 'w'. "
    "To go down, type 'd'. To go up, type 'u'. To pick up a brick type 'take brick'. To battle a "
    "troll with a sword, type 'hit troll with sword'. To open a window, type 'open window'.");

const QString kAbout = QStringLiteral("'Vorlakin' was made by the Vorlakin team.");

QString page() {
    return theForm1().Label1->caption();
}

} // namespace

class TextPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { startProgram(); }
    void cleanupTestCase() { releaseWindows(); }

    void eachCommandShowsItsPage_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("Story") << "mnuStory" << kStory;
        QTest::newRow("Characters") << "mnuCharacters" << kCharacters;
        QTest::newRow("How to Play") << "mnuHowtoPlay" << kHowToPlay;
        QTest::newRow("About This game") << "mnuAboutThisGame" << kAbout;
    }
    void eachCommandShowsItsPage() {
        QFETCH(QString, item);
        QFETCH(QString, text);
        typeText(QStringLiteral(" kept"));
        const ModVariables before = modVariables;

        menuItem(item.toLatin1().constData())->trigger();
        QCOMPARE(page(), text);
        // Twice in a row: pages replace, never accumulate.
        menuItem(item.toLatin1().constData())->trigger();
        QCOMPARE(page(), text);

        QCOMPARE(textOf(theForm1(), "Text1"), QStringLiteral("Command kept"));
        QCOMPARE(modVariables.HighScore1, before.HighScore1);
        QCOMPARE(modVariables.CurrentRoom, before.CurrentRoom);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
    }

    void charactersLineUpInColumns() {
        menuItem("mnuCharacters")->trigger();
        const QStringList lines = page().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.count(QString()), 1);
        QVERIFY(lines[5].isEmpty());
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(lines[i].at(9).isDigit() && lines[i].mid(6, 3).endsWith(QStringLiteral("- ")),
                     qPrintable(lines[i]));
        }
        for (int i = 6; i < 10; ++i)
            QVERIFY2(lines[i].mid(10, 3) == QStringLiteral("-- ") && lines[i].at(13).isUpper(),
                     qPrintable(lines[i]));
    }

    void newGameReplacesAnyPageWithWelcome() {
        for (const char* item : {"mnuStory", "mnuCharacters", "mnuHowtoPlay", "mnuAboutThisGame"}) {
            menuItem(item)->trigger();
            pressKey(Qt::Key_F2);
            QCOMPARE(page(),
                     QStringLiteral("Hello! Welcome to 'Vorlakin'! Type 'start' to continue."));
        }
    }

    void pagesWrapInsideTheTextArea() {
        menuItem("mnuHowtoPlay")->trigger();
        auto* area = theForm1().Label1;
        QVERIFY(area->wordWrap());
        QCOMPARE(area->textFormat(), Qt::PlainText);
        const QFontMetrics metrics(area->font());
        QVERIFY(metrics.horizontalAdvance(kHowToPlay) > area->width()); // must wrap to be seen
        QVERIFY(area->heightForWidth(area->width()) <= area->height());
    }
};

QTEST_MAIN(TextPagesTest)
#include "tst_text_pages.moc"
