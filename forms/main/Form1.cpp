#include "forms/main/Form1.h"

#include "core/Program.h"
#include "core/WholeNumberText.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/main/MainMenu.h"
#include "forms/main/TextPages.h"
#include "ui/Button.h"
#include "ui/Colours.h"
#include "ui/Label.h"
#include "ui/Menu.h"
#include "ui/TextBox.h"

#include <functional>
#include <map>
#include <string_view>

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
    // Selected, so that the player's first word replaces the prompt instead of joining it.
    Text1->selectAll();
    Text1->setFocus();
}

void Form1::createMenus() {
    // Check Inventory and Check Score do nothing yet.
    const std::map<std::string_view, std::function<void()>> handlers{
        {"mnuNewGame", [this] { mnuNewGame_Click(); }},
        {"mnuEnterHighScores", [this] { mnuEnterHighScores_Click(); }},
        {"mnuCheckHighScores", [this] { mnuCheckHighScores_Click(); }},
        {"mnuEndGame", [this] { mnuEndGame_Click(); }},
        {"mnuStory", [this] { mnuStory_Click(); }},
        {"mnuCharacters", [this] { mnuCharacters_Click(); }},
        {"mnuHowtoPlay", [this] { mnuHowtoPlay_Click(); }},
        {"mnuAboutThisGame", [this] { mnuAboutThisGame_Click(); }},
        {"mnuShowRoom", [this] { mnuShowRoom_Click(); }},
    };
    for (const MainMenu& menu : mainMenus()) {
        ui::Menu& added = addMenu(menu.name, QString::fromLatin1(menu.caption));
        for (const MainMenuItem& item : mainMenuItems()) {
            if (std::string_view(item.menu) != menu.name)
                continue;
            const auto handler = handlers.find(item.name);
            added.addItem(item.name, QString::fromLatin1(item.caption), item.keys,
                          handler == handlers.end() ? nullptr : handler->second);
        }
    }
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

#include "moc_Form1.cpp"
