#include "forms/main/Form1.h"

#include "core/Program.h"
#include "core/WholeNumberText.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/main/TextPages.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Label.h"
#include "ui/Menu.h"
#include "ui/TextBox.h"

namespace {

const QColor kLightGrey(0xE0, 0xE0, 0xE0);
const QColor kBlack(Qt::black);
// The command box's frame: 5.3:1 against the black around it.
const QColor kGrey(0x80, 0x80, 0x80);

} // namespace

Form1::Form1() : ui::Window("Form1", QStringLiteral("Adventure Game"), 8040, 6930) {
    createControls();
    createMenus();
    setFrameCloseHandler([] { End(); });
}

void Form1::createControls() {
    using ui::Typeface;
    ui::setBackground(*clientArea(), kBlack);

    Text1 = new ui::TextBox(*this, "Text1", {0, 0, 6855, 360}, Typeface::Fixedsys9,
                            QStringLiteral("Command"));
    Text1->setAccessibleName(QStringLiteral("Command"));
    ui::setFramedColours(*Text1, kLightGrey, kBlack, kGrey, kLightGrey);

    Label1 = new ui::Label(*this, "Label1", {0, 360, 8055, 6615}, Typeface::Fixedsys9,
                           TextPages::welcome());
    Label1->setAccessibleDescription(QStringLiteral("Game text"));
    Label1->announceCaptions();
    // Black rather than the desktop's button-text colour: under a dark scheme that colour is
    // light and the light grey text would vanish.
    ui::setColours(*Label1, kLightGrey, kBlack);

    Command1 = new ui::Button(*this, "Command1", {6840, 0, 1215, 375}, Typeface::MsSansSerif13_5,
                              QStringLiteral("GO"));
    Command1->setFocusRing(kLightGrey, kBlack);
    Command1->raise();

    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

void Form1::createMenus() {
    ui::Menu& game = addMenu("mnuGame", QStringLiteral("Game"));
    game.addItem("mnuNewGame", QStringLiteral("New Game"), Qt::Key_F2,
                 [this] { mnuNewGame_Click(); });
    game.addItem("mnuEnterHighScores", QStringLiteral("Enter Old High Scores"),
                 Qt::CTRL | Qt::Key_O, [this] { mnuEnterHighScores_Click(); });
    game.addItem("mnuCheckHighScores", QStringLiteral("Check High Scores"), Qt::CTRL | Qt::Key_C,
                 [this] { mnuCheckHighScores_Click(); });
    game.addItem("mnuEndGame", QStringLiteral("End Game"), Qt::Key_F3,
                 [this] { mnuEndGame_Click(); });
    game.addItem("mnuCheckInventory", QStringLiteral("Check Inventory"), Qt::CTRL | Qt::Key_I, {});
    game.addItem("mnuCheckScore", QStringLiteral("Check Score"), Qt::CTRL | Qt::Key_S, {});
    game.addItem("mnuStory", QStringLiteral("Story"), [this] { mnuStory_Click(); });
    game.addItem("mnuCharacters", QStringLiteral("Characters"), [this] { mnuCharacters_Click(); });

    ui::Menu& help = addMenu("mnuHelp", QStringLiteral("Help"));
    help.addItem("mnuHowtoPlay", QStringLiteral("How to Play"), Qt::CTRL | Qt::Key_H,
                 [this] { mnuHowtoPlay_Click(); });
    help.addItem("mnuAboutThisGame", QStringLiteral("About This game"), Qt::CTRL | Qt::Key_A,
                 [this] { mnuAboutThisGame_Click(); });

    ui::Menu& debug = addMenu("mnuDebug", QStringLiteral("Debug"));
    debug.addItem("mnuShowRoom", QStringLiteral("Show Room"), Qt::CTRL | Qt::SHIFT | Qt::Key_F1,
                  [this] { mnuShowRoom_Click(); });
}

void Form1::Form_Load() {
    modVariables.HighScore1 = 1000;
    modVariables.HighScore2 = 800;
    modVariables.HighScore3 = 600;
    modVariables.HighScore4 = 400;
    modVariables.HighScore5 = 200;
}

void Form1::mnuNewGame_Click() {
    Label1->setCaption(TextPages::welcome());
    Text1->replaceText(Command());
    modVariables.CurrentRoom = 0;
}

void Form1::mnuEnterHighScores_Click() {
    SwitchWindow(WindowId::Form1, WindowId::Form3);
}

void Form1::mnuCheckHighScores_Click() {
    SwitchWindow(WindowId::Form1, WindowId::Form2);
}

void Form1::mnuEndGame_Click() {
    End();
}

void Form1::mnuStory_Click() {
    Label1->setCaption(TextPages::story());
}

void Form1::mnuCharacters_Click() {
    Label1->setCaption(TextPages::characters());
}

void Form1::mnuHowtoPlay_Click() {
    Label1->setCaption(TextPages::howToPlay());
}

void Form1::mnuAboutThisGame_Click() {
    Label1->setCaption(TextPages::about());
}

void Form1::mnuShowRoom_Click() {
    Text1->replaceText(WholeNumberText(modVariables.CurrentRoom));
}
