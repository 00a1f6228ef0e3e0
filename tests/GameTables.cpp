#include "GameTables.h"

const QList<MenuEntry>& menuTree() {
    return mainMenuItems();
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
