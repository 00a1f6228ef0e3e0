#pragma once

#include "forms/main/MainMenu.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the player is told the game is: the menu tree and the entry window's prompts. Every test
// that walks the menus or the entry steps reads them from here.

// The program's own rows (forms/main/MainMenu.h), in display order, Game, Help, Debug.
using MenuEntry = MainMenuItem;
const QList<MenuEntry>& menuTree();
const MenuEntry& menuEntry(const QString& name);

// The six prompts in their order; the last one says the scores are in.
const QStringList& prompts();
inline const QString& finishedPrompt() {
    return prompts().last();
}
