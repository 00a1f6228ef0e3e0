// The fixed pages of the main window's text area, each where its command puts it.
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/modVariables.h"
#include "forms/main/TextPages.h"

#include <QLabel>
#include <QTest>

namespace {

QString page() {
    return textOf(QStringLiteral("Form1"), QStringLiteral("Label1"));
}

} // namespace

class TextPagesTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void eachCommandShowsItsPage_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("Story") << "mnuStory" << TextPages::story();
        QTest::newRow("Characters") << "mnuCharacters" << TextPages::characters();
        QTest::newRow("How to Play") << "mnuHowtoPlay" << TextPages::howToPlay();
        QTest::newRow("About This game") << "mnuAboutThisGame" << TextPages::about();
    }
    void eachCommandShowsItsPage() {
        QFETCH(QString, item);
        QFETCH(QString, text);
        typeText(QStringLiteral("kept"));
        const ModVariables before = modVariables;

        triggerAction(item);
        QCOMPARE(page(), text);
        // Twice in a row: pages replace, never accumulate.
        triggerAction(item);
        QCOMPARE(page(), text);

        QCOMPARE(textOf(QStringLiteral("Form1"), QStringLiteral("Text1")), QStringLiteral("kept"));
        QCOMPARE(modVariables.HighScore1, before.HighScore1);
        QCOMPARE(modVariables.CurrentRoom, before.CurrentRoom);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
    }

    void charactersLineUpInColumns() {
        triggerAction(QStringLiteral("mnuCharacters"));
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
            triggerAction(QString::fromLatin1(item));
            pressKey(Qt::Key_F2);
            QCOMPARE(page(), TextPages::welcome());
        }
    }

    void pagesWrapInsideTheTextArea() {
        triggerAction(QStringLiteral("mnuHowtoPlay"));
        auto* area = control<QLabel>(QStringLiteral("Form1"), QStringLiteral("Label1"));
        QVERIFY(area->wordWrap());
        QCOMPARE(area->textFormat(), Qt::PlainText);
        const QFontMetrics metrics(area->font());
        QVERIFY(metrics.horizontalAdvance(TextPages::howToPlay()) >
                area->width()); // must wrap to be seen
        QVERIFY(area->heightForWidth(area->width()) <= area->height());
    }
};

QTEST_MAIN(TextPagesTest)
#include "tst_text_pages.moc"
