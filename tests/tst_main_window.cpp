// The main window as the player meets it: layout, menus, accelerators and its own commands.
#include "GameTables.h"
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/modVariables.h"
#include "forms/main/TextPages.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>

#include <cmath>

namespace {

const QString kMain = QStringLiteral("Form1");

QWidget* part(const char* name) {
    return control(kMain, QString::fromLatin1(name));
}

QString page() {
    return textOf(kMain, QStringLiteral("Label1"));
}

QString commandBox() {
    return textOf(kMain, QStringLiteral("Text1"));
}

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

// Everything in the focused box selected, as the keys do it.
void selectBox() {
    pressKey(Qt::Key_Home);
    pressKey(Qt::Key_End, Qt::ShiftModifier);
}

} // namespace

class MainWindowTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void startsWithWelcomeAndCommandFocused() {
        QCOMPARE(gameWindow(kMain)->windowTitle(), QStringLiteral("Adventure Game"));
        QCOMPARE(page(), TextPages::welcome());
        QCOMPARE(commandBox(), QStringLiteral("Command"));
        QCOMPARE(textOf(kMain, QStringLiteral("Command1")), QStringLiteral("GO"));
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
    }

    void firstWordTypedReplacesThePrompt() {
        typeText(QStringLiteral("start"));
        QCOMPARE(commandBox(), QStringLiteral("start"));
    }

    void controlsSitWhereTheTableSays() {
        QCOMPARE(part("clientArea")->size(), QSize(536, 462));
        QCOMPARE(part("Text1")->geometry(), QRect(0, 0, 457, 24));
        QCOMPARE(part("Label1")->geometry(), QRect(0, 24, 537, 441));
        QCOMPARE(part("Command1")->geometry(), QRect(456, 0, 81, 25));
        // The client area lies below the menu bar and the window cannot be resized.
        const auto* bar = control<QMenuBar>(kMain, QStringLiteral("menuBar"));
        QVERIFY(bar);
        QCOMPARE(part("clientArea")->y(), bar->height());
        QCOMPARE(gameWindow(kMain)->minimumSize(), gameWindow(kMain)->maximumSize());
    }

    void textAreaIsLightGreyFixedPitchOnBlack() {
        for (QWidget* control : {part("Label1"), part("Text1")}) {
            const QFontMetrics metrics(control->font());
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                     metrics.horizontalAdvance(QLatin1Char('W')));
            QCOMPARE(QFontInfo(control->font()).pixelSize(), 12); // 9 pt
            QVERIFY(!control->font().bold() && !control->font().italic());
        }
        QCOMPARE(part("Label1")->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(part("Label1")->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(part("Label1")->autoFillBackground());
        QCOMPARE(part("Text1")->palette().color(QPalette::Text), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(part("Text1")->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(part("clientArea")->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(QFontInfo(part("Command1")->font()).pixelSize(), 18); // 13.5 pt
        // The button keeps its own proportional face rather than the text area's.
        const QFontMetrics buttonMetrics(part("Command1")->font());
        QVERIFY(buttonMetrics.horizontalAdvance(QLatin1Char('i')) <
                buttonMetrics.horizontalAdvance(QLatin1Char('W')));
    }

    void textAreaIsBlackEvenUnderADarkScheme() {
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        QApplication::setPalette(dark);
        startGame();
        QCOMPARE(part("Label1")->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(part("Label1")->palette().color(QPalette::WindowText), QColor(0xE0, 0xE0, 0xE0));
        QApplication::setPalette(QPalette());
    }

    void menuTreeIsInOrderWithItsAccelerators() {
        const auto* bar = control<QMenuBar>(kMain, QStringLiteral("menuBar"));
        QVERIFY(bar);
        QStringList menus, expected;
        for (QAction* action : bar->actions())
            menus.append(action->text());
        for (const MainMenu& menu : mainMenus())
            expected.append(QString::fromLatin1(menu.caption));
        QCOMPARE(menus, expected);

        QList<QAction*> items;
        for (QAction* menuAction : bar->actions())
            items.append(menuAction->menu()->actions());
        QCOMPARE(items.size(), menuTree().size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const MenuEntry& row = menuTree()[i];
            QAction* item = items[i];
            QCOMPARE(item->objectName(), QString::fromLatin1(row.name));
            QCOMPARE(item->text(), QString::fromLatin1(row.caption));
            QCOMPARE(item->shortcut(), row.keys);
            QCOMPARE(item->parent()->objectName(), QString::fromLatin1(row.menu));
            QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
            QVERIFY(!item->isSeparator());
        }
    }

    void newGameBringsBackWelcomeAndEmptiesBox() {
        triggerAction(QStringLiteral("mnuHowtoPlay"));
        typeText(QStringLiteral("xyz"));
        modVariables.CurrentRoom = 12;
        const ModVariables before = modVariables;
        pressKey(Qt::Key_F2);
        QCOMPARE(page(), TextPages::welcome());
        QCOMPARE(commandBox(), QString());
        QCOMPARE(modVariables.CurrentRoom, std::int16_t{0});
        QCOMPARE(modVariables.HighScore1, before.HighScore1);
        QCOMPARE(modVariables.HighScore5, before.HighScore5);
    }

    void newGamePutsTheArgumentTextInTheBox() {
        startGame(QStringLiteral("-style windows \"quoted\" \u00e9"));
        QCOMPARE(commandBox(), QStringLiteral("Command"));
        triggerAction(QStringLiteral("mnuNewGame"));
        QCOMPARE(commandBox(), QStringLiteral("-style windows \"quoted\" \u00e9"));
    }

    void newGameKeepsAVeryLongArgumentWhole() {
        const QString huge(200000, QLatin1Char('x'));
        startGame(huge);
        triggerAction(QStringLiteral("mnuNewGame"));
        QCOMPARE(commandBox().size(), huge.size());
    }

    void showRoomShowsZeroAndLeavesThePage() {
        triggerAction(QStringLiteral("mnuCharacters"));
        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(commandBox(), QStringLiteral("0"));
        QCOMPARE(page(), TextPages::characters());
        pressKey(Qt::Key_F2);
        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(commandBox(), QStringLiteral("0"));
    }

    void endGameEndsFromAnyState() {
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 1);
        triggerAction(QStringLiteral("mnuStory"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Form1.Command1"));
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 2);
    }

    void frameCloseEndsTheProgram() {
        QVERIFY(!closeWindow(kMain)); // the window itself stays; End takes the process down
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
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        selectBox(); // what the box's own keys would act on
        pressKeys(keys);
        QCOMPARE(visibleWindows(), QStringList{visible});
        QCOMPARE(textOf(kMain, QStringLiteral("Label1")), page);
        QCOMPARE(commandBox(), box);
        QCOMPARE(endRequests(), 0);
    }

    void f3FromTheFocusedCommandBoxEnds() {
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        pressKey(Qt::Key_F3);
        QCOMPARE(endRequests(), 1);
    }

    void commandBoxStillEditsWithOtherKeys() {
        selectBox();
        typeText(QStringLiteral("take brick"));
        pressKey(Qt::Key_Backspace);
        QCOMPARE(commandBox(), QStringLiteral("take bric"));
    }

    void doNothingCommandsChangeNothing() {
        triggerAction(QStringLiteral("mnuStory"));
        selectBox();
        typeText(QStringLiteral("start"));
        modVariables.HighScore2 = 777;
        const ModVariables before = modVariables;

        pressKey(Qt::Key_Return);
        pressKey(Qt::Key_Enter);
        clickButton(kMain, QStringLiteral("Command1"));
        triggerAction(QStringLiteral("mnuCheckInventory"));
        triggerAction(QStringLiteral("mnuCheckScore"));
        QCOMPARE(focusName(), QStringLiteral("Form1.Command1")); // the click took it to GO
        pressKey(Qt::Key_Space);
        pressKey(Qt::Key_Return);

        QCOMPARE(page(), TextPages::story());
        QCOMPARE(commandBox(), QStringLiteral("start"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(modVariables.HighScore2, before.HighScore2);
        QCOMPARE(modVariables.CurrentRoom, before.CurrentRoom);
        QCOMPARE(endRequests(), 0);
    }

    void tabOrderIsCommandBoxThenGo() {
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Form1.Command1"));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        QCOMPARE(part("Label1")->focusPolicy(), Qt::NoFocus);
    }

    void pagesWithoutAcceleratorsAreReachedByKeyboard() {
        // Alt alone puts the menu bar in keyboard mode on the first menu.
        pressKey(Qt::Key_Alt);
        auto* bar = control<QMenuBar>(kMain, QStringLiteral("menuBar"));
        QTRY_VERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("Game"));
        pressKey(Qt::Key_Down);
        auto* game = bar->activeAction()->menu();
        QTRY_VERIFY(game->isVisible());
        for (int i = 0; i < 7; ++i) // New Game ... Characters
            QTest::keyClick(game, Qt::Key_Down);
        QCOMPARE(game->activeAction()->objectName(), QStringLiteral("mnuCharacters"));
        QTest::keyClick(game, Qt::Key_Return);
        QTRY_COMPARE(page(), TextPages::characters());
        QTRY_COMPARE(focusName(), QStringLiteral("Form1.Text1"));
    }

    void screenReaderSeesNamesAndTexts() {
        auto* windowInterface = QAccessible::queryAccessibleInterface(gameWindow(kMain));
        QVERIFY(windowInterface);
        QCOMPARE(windowInterface->role(), QAccessible::Window);
        QCOMPARE(windowInterface->text(QAccessible::Name), QStringLiteral("Adventure Game"));

        auto* box = QAccessible::queryAccessibleInterface(part("Text1"));
        QCOMPARE(box->role(), QAccessible::EditableText);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Command"));
        QCOMPARE(box->text(QAccessible::Value), QStringLiteral("Command"));

        triggerAction(QStringLiteral("mnuAboutThisGame"));
        auto* area = QAccessible::queryAccessibleInterface(part("Label1"));
        QCOMPARE(area->role(), QAccessible::StaticText);
        QCOMPARE(area->text(QAccessible::Name), TextPages::about());

        auto* go = QAccessible::queryAccessibleInterface(part("Command1"));
        QCOMPARE(go->role(), QAccessible::Button);
        QCOMPARE(go->text(QAccessible::Name), QStringLiteral("GO"));
    }

    // On the black game area: the command box's frame, focused or not, and GO's focus ring
    // stand out at least 3:1; text selected in the box at least 4.5:1.
    void theCommandBoxAndGoStandOutAgainstBlack() {
        const QColor black(Qt::black);
        auto* box = control<QLineEdit>(kMain, QStringLiteral("Text1"));
        const QPoint frameOfBox(0, box->height() / 2);
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        QVERIFY(contrast(pixel(box, frameOfBox), black) >= 3);
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(1, 0)), black) >= 3); // thicker
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(2, 0)), black) < 1.5);

        auto* go = control<QPushButton>(kMain, QStringLiteral("Command1"));
        pressKey(Qt::Key_Tab);
        QTRY_COMPARE(focusName(), QStringLiteral("Form1.Command1"));
        QVERIFY(contrast(pixel(box, frameOfBox), black) >= 3);
        QVERIFY(contrast(pixel(box, frameOfBox + QPoint(1, 0)), black) < 1.5);
        // Two colours: one stands out against the black around, the other against the face.
        const QColor face = pixel(go, QPoint(go->width() / 2, 5));
        for (const QPoint edge : {QPoint(0, go->height() / 2), QPoint(go->width() / 2, 0)})
            QVERIFY(contrast(pixel(go, edge), black) >= 3);
        QVERIFY(contrast(pixel(go, QPoint(2, go->height() / 2)), face) >= 3);

        pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_COMPARE(focusName(), QStringLiteral("Form1.Text1"));
        selectBox();
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

    // A test that reaches for a menu item the window lacks, or one it has disabled, fails with
    // the item's name rather than crashing or choosing nothing unseen.
    void triggerActionRefusesWhatAPlayerCouldNotChoose() {
        QEXPECT_FAIL("", "no such item", Continue);
        QVERIFY(!triggerAction(QStringLiteral("mnuNoSuchItem")));
        menuItem(QStringLiteral("mnuStory"))->setEnabled(false);
        QEXPECT_FAIL("", "a disabled item", Continue);
        QVERIFY(!triggerAction(QStringLiteral("mnuStory")));
        QCOMPARE(page(), TextPages::welcome());
        QVERIFY(triggerAction(QStringLiteral("mnuCharacters")));
        QCOMPARE(page(), TextPages::characters());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
