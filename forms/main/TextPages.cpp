#include "forms/main/TextPages.h"

#include <QStringList>

namespace TextPages {

QString welcome() {
    return QStringLiteral("Hello! Welcome to 'Vorlakin'! Type 'start' to continue.");
}

QString story() {
    return QStringList{
        QStringLiteral(
            "Magomalo had been plotting his scheme for three hundred years, and was now ready "
            "to put it into action. He set a spell on the whole of Tierra to turn the whole day "
            "into darkness. And now, nobody could stop him from controlling Tierra and the "
            "people living on it. Or so he thought..."),
        QStringLiteral("Press 'GO' to continue."),
    }
        .join(QLatin1Char('\n'));
}

QString characters() {
    // The dashes line the ages (column 10) and the animals' abilities (column 14) up in the
    // text area's fixed-pitch font; the empty line parts the people from the animals.
    return QStringList{
        QStringLiteral("Alan --- 18. Brave, always the first to fight."),
        QStringLiteral("Jane --- 16. Excellent at spell casting."),
        QStringLiteral("Ricky -- 17. Strong, can carry many objects."),
        QStringLiteral("Mary --- 19. Cunning, easily solves most puzzles."),
        QStringLiteral("Quince - 14. Photographic memory, never gets lost."),
        QString(),
        QStringLiteral("Bird ------- Fly up or over things."),
        QStringLiteral("Mouse ------ Go in small holes."),
        QStringLiteral("Porcupine -- Break bubbles or glass."),
        QStringLiteral("Dog -------- Carry back heavy items."),
    }
        .join(QLatin1Char('\n'));
}

QString howToPlay() {
    return QStringLiteral(
        "To go north, type 'n'. To go south, type 's'. To go east, type 'e'. To go west, type "
        "'w'. To go down, type 'd'. To go up, type 'u'. To pick up a brick type 'take brick'. "
        "To battle a troll with a sword, type 'hit troll with sword'. To open a window, type "
        "'open window'.");
}

QString about() {
    return QStringLiteral("'Vorlakin' was made by the Vorlakin team.");
}

} // namespace TextPages
