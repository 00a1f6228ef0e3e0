#include "GameTables.h"

const QList<MenuEntry>& menuTree() {
    static const QList<MenuEntry> tree{
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
    return tree;
}

const MenuEntry& menuEntry(const QString& name) {
    for (const MenuEntry& entry : menuTree()) {
        if (name == QLatin1String(entry.name))
            return entry;
    }
    qFatal("no menu item %s in the table", qPrintable(name));
}

const QStringList& prompts() {
    static const QStringList texts{
        QStringLiteral("Enter the first high score."),
        QStringLiteral("Enter the second high score."),
        QStringLiteral("Enter the third high score."),
        QStringLiteral("Enter the fourth high score."),
        QStringLiteral("Enter the last high score."),
        QStringLiteral("You can't change the scores."),
    };
    return texts;
}
