// The main window as the player meets it: layout, menus, accelerators and its own commands.
#include "TestSupport.h"

#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/main/TextPages.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

Form1& form() {
    return theForm1();
}

struct MenuRow {
    const char* menu;
    const char* item;
    const char* caption;
    QKeySequence accelerator;
};

const QList<MenuRow> kMenuTree{
    {"Game", "mnuNewGame", "New Game", QKeySequence(Qt::Key_F2)},
    {"Game", "mnuEnterHighScores", "Enter Old High Scores", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"Game", "mnuCheckHighScores", "Check High Scores", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"Game", "mnuEndGame", "End Game", QKeySequence(Qt::Key_F3)},
    {"Game", "mnuCheckInventory", "Check Inventory", QKeySequence(Qt::CTRL | Qt::Key_I)},
    {"Game", "mnuCheckScore", "Check Score", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"Game", "mnuStory", "Story", QKeySequence()},
    {"Game", "mnuCharacters", "Characters", QKeySequence()},
    {"Help", "mnuHowtoPlay", "How to Play", QKeySequence(Qt::CTRL | Qt::Key_H)},
    {"Help", "mnuAboutThisGame", "About This game", QKeySequence(Qt::CTRL | Qt::Key_A)},
    {"Debug", "mnuShowRoom", "Show Room", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1)},
};

// WCAG contrast of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

QColor pixel(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

void pressSequence(const QKeySequence& sequence) {
    const QKeyCombination combination = sequence[0];
    pressKey(combination.key(), combination.keyboardModifiers());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { startProgram(); }
    void cleanupTestCase() { releaseWindows(); }

    void startsWithWelcomeAndCommandFocused() {
        QCOMPARE(form().windowTitle(), QStringLiteral("Adventure Game"));
        QCOMPARE(textOf(form(), "Label1"),
                 QStringLiteral("Hello! Welcome to 'Vorlakin'! Type 'start' to continue."));
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("Command"));
        QCOMPARE(textOf(form(), "Command1"), QStringLiteral("GO"));
        QCOMPARE(focusedWidget(), form().Text1);
    }

    void controlsSitWhereTheTableSays() {
        QCOMPARE(form().clientArea()->size(), QSize(536, 462));
        QCOMPARE(form().Text1->geometry(), QRect(0, 0, 457, 24));
        QCOMPARE(form().Label1->geometry(), QRect(0, 24, 537, 441));
        QCOMPARE(form().Command1->geometry(), QRect(456, 0, 81, 25));
        // The client area lies below the menu bar and the window cannot be resized.
        const auto* bar = form().findChild<QMenuBar*>();
        QVERIFY(bar);
        QCOMPARE(form().clientArea()->y(), bar->height());
        QCOMPARE(form().minimumSize(), form().maximumSize());
    }

    void textAreaIsLightGreyFixedPitchOnBlack() {
        for (QWidget* control :
             {static_cast<QWidget*>(form().Label1), static_cast<QWidget*>(form().Text1)}) {
            const QFontMetrics metrics(control->font());
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                     metrics.horizontalAdvance(QLatin1Char('W')));
            QCOMPARE(QFontInfo(control->font()).pixelSize(), 12); // 9 pt
            QVERIFY(!control->font().bold() && !control->font().italic());
        }
        QCOMPARE(form().Label1->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(form().Label1->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(form().Label1->autoFillBackground());
        QCOMPARE(form().Text1->palette().color(QPalette::Text), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(form().Text1->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(form().clientArea()->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(QFontInfo(form().Command1->font()).pixelSize(), 18); // 13.5 pt
        // The button keeps its own proportional face rather than the text area's.
        const QFontMetrics buttonMetrics(form().Command1->font());
        QVERIFY(buttonMetrics.horizontalAdvance(QLatin1Char('i')) <
                buttonMetrics.horizontalAdvance(QLatin1Char('W')));
    }

    void textAreaIsBlackEvenUnderADarkScheme() {
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        QApplication::setPalette(dark);
        startProgram();
        QCOMPARE(form().Label1->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(form().Label1->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
        QApplication::setPalette(QPalette());
    }

    void menuTreeIsInOrderWithItsAccelerators() {
        const auto* bar = form().findChild<QMenuBar*>();
        QVERIFY(bar);
        QStringList menus;
        for (QAction* action : bar->actions())
            menus.append(action->text());
        QCOMPARE(menus, (QStringList{QStringLiteral("Game"), QStringLiteral("Help"),
                                     QStringLiteral("Debug")}));

        QList<QAction*> items;
        for (QAction* menuAction : bar->actions())
            items.append(menuAction->menu()->actions());
        QCOMPARE(items.size(), kMenuTree.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const MenuRow& row = kMenuTree[i];
            QAction* item = items[i];
            QCOMPARE(item->objectName(), QString::fromLatin1(row.item));
            QCOMPARE(item->text(), QString::fromLatin1(row.caption));
            QCOMPARE(item->shortcut(), row.accelerator);
            QCOMPARE(item->parent()->objectName().mid(3), QString::fromLatin1(row.menu));
            QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
            QVERIFY(!item->isSeparator());
        }
    }

    void newGameBringsBackWelcomeAndEmptiesBox() {
        form().mnuHowtoPlay_Click();
        typeText(QStringLiteral("xyz"));
        modVariables.CurrentRoom = 12;
        const ModVariables before = modVariables;
        pressKey(Qt::Key_F2);
        QCOMPARE(textOf(form(), "Label1"), TextPages::welcome());
        QCOMPARE(textOf(form(), "Text1"), QString());
        QCOMPARE(modVariables.CurrentRoom, std::int16_t{0});
        QCOMPARE(modVariables.HighScore1, before.HighScore1);
        QCOMPARE(modVariables.HighScore5, before.HighScore5);
    }

    void newGamePutsTheArgumentTextInTheBox() {
        startProgram(QStringLiteral("-style windows \"quoted\" \u00e9"));
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("Command"));
        menuItem("mnuNewGame")->trigger();
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("-style windows \"quoted\" \u00e9"));
    }

    void newGameKeepsAVeryLongArgumentWhole() {
        const QString huge(200000, QLatin1Char('x'));
        startProgram(huge);
        menuItem("mnuNewGame")->trigger();
        QCOMPARE(textOf(form(), "Text1").size(), huge.size());
    }

    void showRoomShowsZeroAndLeavesThePage() {
        form().mnuCharacters_Click();
        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("0"));
        QCOMPARE(textOf(form(), "Label1"), TextPages::characters());
        pressKey(Qt::Key_F2);
        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("0"));
    }

    void endGameEndsFromAnyState() {
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 1);
        form().mnuStory_Click();
        form().Command1->setFocus();
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 2);
    }

    void frameCloseEndsTheProgram() {
        QVERIFY(!form().close()); // the window itself stays; End takes the process down
        QCOMPARE(endRequests(), 1);
    }

    void acceleratorsWinOverTheFocusedCommandBox_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("box");
        const QString welcome = TextPages::welcome();
        const QString typed = QStringLiteral("Command");
        QTest::newRow("F2 New Game") << QKeySequence(Qt::Key_F2) << "Form1" << welcome << "";
        QTest::newRow("Ctrl+O Enter Old High Scores")
            << QKeySequence(Qt::CTRL | Qt::Key_O) << "Form3" << welcome << typed;
        QTest::newRow("Ctrl+C Check High Scores")
            << QKeySequence(Qt::CTRL | Qt::Key_C) << "Form2" << welcome << typed;
        QTest::newRow("Ctrl+I Check Inventory")
            << QKeySequence(Qt::CTRL | Qt::Key_I) << "Form1" << welcome << typed;
        QTest::newRow("Ctrl+S Check Score")
            << QKeySequence(Qt::CTRL | Qt::Key_S) << "Form1" << welcome << typed;
        QTest::newRow("Ctrl+H How to Play")
            << QKeySequence(Qt::CTRL | Qt::Key_H) << "Form1" << TextPages::howToPlay() << typed;
        QTest::newRow("Ctrl+A About")
            << QKeySequence(Qt::CTRL | Qt::Key_A) << "Form1" << TextPages::about() << typed;
        QTest::newRow("Ctrl+Shift+F1 Show Room")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1) << "Form1" << welcome << "0";
    }
    void acceleratorsWinOverTheFocusedCommandBox() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, visible);
        QFETCH(QString, page);
        QFETCH(QString, box);
        form().Text1->selectAll();
        QCOMPARE(focusedWidget(), form().Text1);
        pressSequence(keys);
        QCOMPARE(visibleWindows(), QStringList{visible});
        QCOMPARE(textOf(form(), "Label1"), page);
        QCOMPARE(textOf(form(), "Text1"), box);
        QCOMPARE(endRequests(), 0);
    }

    void f3FromTheFocusedCommandBoxEnds() {
        QCOMPARE(focusedWidget(), form().Text1);
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 1);
    }

    void commandBoxStillEditsWithOtherKeys() {
        form().Text1->clear();
        typeText(QStringLiteral("take brick"));
        pressKey(Qt::Key_Backspace);
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("take bric"));
    }

    void doNothingCommandsChangeNothing() {
        form().mnuStory_Click();
        form().Text1->clear();
        typeText(QStringLiteral("start"));
        modVariables.HighScore2 = 777;
        const ModVariables before = modVariables;

        pressKey(Qt::Key_Return);
        pressKey(Qt::Key_Enter);
        clickButton(form(), "Command1");
        menuItem("mnuCheckInventory")->trigger();
        menuItem("mnuCheckScore")->trigger();
        form().Command1->setFocus();
        pressKey(Qt::Key_Space);
        pressKey(Qt::Key_Return);

        QCOMPARE(textOf(form(), "Label1"), TextPages::story());
        QCOMPARE(textOf(form(), "Text1"), QStringLiteral("start"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(modVariables.HighScore2, before.HighScore2);
        QCOMPARE(modVariables.CurrentRoom, before.CurrentRoom);
        QCOMPARE(endRequests(), 0);
    }

    void tabOrderIsCommandBoxThenGo() {
        QCOMPARE(focusedWidget(), form().Text1);
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusedWidget(), form().Command1);
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusedWidget(), form().Text1);
        QCOMPARE(form().Label1->focusPolicy(), Qt::NoFocus);
    }

    void pagesWithoutAcceleratorsAreReachedByKeyboard() {
        // Alt alone puts the menu bar in keyboard mode on the first menu.
        pressKey(Qt::Key_Alt);
        auto* bar = form().findChild<QMenuBar*>();
        QTRY_VERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("Game"));
        pressKey(Qt::Key_Down);
        auto* game = bar->activeAction()->menu();
        QTRY_VERIFY(game->isVisible());
        for (int i = 0; i < 7; ++i) // New Game ... Characters
            QTest::keyClick(game, Qt::Key_Down);
        QCOMPARE(game->activeAction()->objectName(), QStringLiteral("mnuCharacters"));
        QTest::keyClick(game, Qt::Key_Return);
        QTRY_COMPARE(textOf(form(), "Label1"), TextPages::characters());
        QTRY_COMPARE(focusedWidget(), form().Text1);
    }

    void screenReaderSeesNamesAndTexts() {
        auto* windowInterface = QAccessible::queryAccessibleInterface(&form());
        QVERIFY(windowInterface);
        QCOMPARE(windowInterface->role(), QAccessible::Window);
        QCOMPARE(windowInterface->text(QAccessible::Name), QStringLiteral("Adventure Game"));

        auto* box = QAccessible::queryAccessibleInterface(form().Text1);
        QCOMPARE(box->role(), QAccessible::EditableText);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Command"));
        QCOMPARE(box->text(QAccessible::Value), QStringLiteral("Command"));

        form().mnuAboutThisGame_Click();
        auto* area = QAccessible::queryAccessibleInterface(form().Label1);
        QCOMPARE(area->role(), QAccessible::StaticText);
        QCOMPARE(area->text(QAccessible::Name), TextPages::about());

        auto* go = QAccessible::queryAccessibleInterface(form().Command1);
        QCOMPARE(go->role(), QAccessible::Button);
        QCOMPARE(go->text(QAccessible::Name), QStringLiteral("GO"));
    }

    // On the black game area: the command box's frame, focused or not, and GO's focus ring
    // stand out at least 3:1; text selected in the box at least 4.5:1.
    void theCommandBoxAndGoStandOutAgainstBlack() {
        const QColor black(Qt::black);
        ui::TextBox* box = form().Text1;
        const QPoint frameOfBox(0, box->height() / 2);
        QVERIFY(box->hasFocus());
        QVERIFY(contrast(pixel(box, frameOfBox), black) >= 3);
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(1, 0)), black) >= 3); // thicker
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(2, 0)), black) < 1.5);

        ui::Button* go = form().Command1;
        go->setFocus();
        QVERIFY(contrast(pixel(box, frameOfBox), black) >= 3);
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(1, 0)), black) < 1.5);
        // Two colours: one stands out against the black around, the other against the face.
        const QColor face = pixel(go, QPoint(go->width() / 2, 5));
        for (const QPoint edge : {QPoint(0, go->height() / 2), QPoint(go->width() / 2, 0)})
            QVERIFY(contrast(pixel(go, edge), black) >= 3);
        QVERIFY(contrast(pixel(go, QPoint(2, go->height() / 2)), face) >= 3);

        box->setFocus();
        box->selectAll();
        const QImage selected = box->grab().toImage();
        QHash<QRgb, int> counts;
        QColor darkest(Qt::white);
        for (int x = 6; x < 50; ++x) {
            for (int y = box->height() / 2 - 3; y <= box->height() / 2 + 3; ++y) {
                const QColor colour = selected.pixelColor(x, y);
                ++counts[colour.rgb()];
                if (colour.lightnessF() < darkest.lightnessF())
                    darkest = colour;
            }
        }
        const QRgb behindSelection = std::max_element(counts.cbegin(), counts.cend()).key();
        QVERIFY(contrast(QColor(behindSelection), darkest) >= 4.5);
        QVERIFY(contrast(QColor(behindSelection), black) >= 4.5);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
