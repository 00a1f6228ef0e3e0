#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

// What the player is told the game is: the menu tree and the entry window's prompts. Every test
// that walks the menus or the entry steps reads them from here.

struct MenuEntry {
    const char* menu;    // the menu's object name
    const char* name;    // the item's object name
    const char* caption; // as the menu shows it
    QKeySequence keys;   // empty for the items without an accelerator
};

// In display order, Game, Help, Debug. (Functions rather than globals, so that other files'
// constants can be made from them.)
const QList<MenuEntry>& menuTree();
const MenuEntry& menuEntry(const QString& name);

// The six prompts in their order; the last one says the scores are in.
const QStringList& prompts();
inline const QString& finishedPrompt() {
    return prompts().last();
}
