#pragma once

#include <QKeySequence>
#include <QList>

// The main window's menu bar: its menus and their items, in display order, Game, Help, Debug.
// The window builds its menus from these rows; the tests read them too.

struct MainMenu {
    const char* name;    // object name
    const char* caption; // as the menu bar shows it
};

struct MainMenuItem {
    const char* menu;    // the menu's object name
    const char* name;    // the item's object name
    const char* caption; // as the menu shows it
    QKeySequence keys;   // empty for the items without an accelerator
};

const QList<MainMenu>& mainMenus();
const QList<MainMenuItem>& mainMenuItems();
