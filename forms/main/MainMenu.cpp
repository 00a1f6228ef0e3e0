#include "forms/main/MainMenu.h"

const QList<MainMenu>& mainMenus() {
    static const QList<MainMenu> menus{
        {"mnuGame", "Game"},
        {"mnuHelp", "Help"},
        {"mnuDebug", "Debug"},
    };
    return menus;
}

const QList<MainMenuItem>& mainMenuItems() {
    static const QList<MainMenuItem> items{
        {"mnuGame", "mnuNewGame", "New Game", QKeySequence(Qt::Key_F2)},
        {"mnuGame", "mnuEnterHighScores", "Enter Old High Scores",
         QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuGame", "mnuCheckHighScores", "Check High Scores", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"mnuGame", "mnuEndGame", "End Game", QKeySequence(Qt::Key_F3)},
        {"mnuGame", "mnuCheckInventory", "Check Inventory", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"mnuGame", "mnuCheckScore", "Check Score", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuGame", "mnuStory", "Story", QKeySequence()},
        {"mnuGame", "mnuCharacters", "Characters", QKeySequence()},
        {"mnuHelp", "mnuHowtoPlay", "How to Play", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"mnuHelp", "mnuAboutThisGame", "About This game", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"mnuDebug", "mnuShowRoom", "Show Room", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1)},
    };
    return items;
}
