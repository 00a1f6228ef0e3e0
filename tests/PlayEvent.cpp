#include "PlayEvent.h"

#include <QKeySequence>

const QList<MenuItemInfo> kMenuItems{
    {"mnuNewGame", "New Game"},
    {"mnuEnterHighScores", "Enter Old High Scores"},
    {"mnuCheckHighScores", "Check High Scores"},
    {"mnuEndGame", "End Game"},
    {"mnuCheckInventory", "Check Inventory"},
    {"mnuCheckScore", "Check Score"},
    {"mnuStory", "Story"},
    {"mnuCharacters", "Characters"},
    {"mnuHowtoPlay", "How to Play"},
    {"mnuAboutThisGame", "About This game"},
    {"mnuShowRoom", "Show Room"},
};

const QList<QKeyCombination> kAccelerators{
    Qt::Key_F2,           Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_C,
    Qt::Key_F3,           Qt::CTRL | Qt::Key_I, Qt::CTRL | Qt::Key_S,
    Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::SHIFT | Qt::Key_F1,
};

const QList<QKeyCombination> kEditKeys{
    Qt::Key_Backspace,
    Qt::Key_Delete,
    Qt::Key_Left,
    Qt::Key_Right,
    Qt::Key_Home,
    Qt::Key_End,
    Qt::SHIFT | Qt::Key_Home,
    Qt::SHIFT | Qt::Key_End,
    Qt::Key_Tab,
    Qt::SHIFT | Qt::Key_Backtab,
    Qt::CTRL | Qt::Key_Z,
    Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
    Qt::CTRL | Qt::Key_X,
    Qt::CTRL | Qt::Key_V,
    Qt::Key_Escape,
    Qt::Key_Space,
    Qt::Key_Up,
    Qt::Key_Down,
};

namespace {

QString shortened(const QString& text) {
    QString shown = text.size() > 40
                        ? text.left(40) + QStringLiteral("... (%1 characters)").arg(text.size())
                        : text;
    QString escaped;
    for (const QChar c : shown) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString keyName(QKeyCombination keys) {
    return QKeySequence(keys).toString();
}

const char* const kAnswerNames[kAnswerWays] = {"OK clicked", "Return", "Escape", "Space",
                                               "frame close"};

} // namespace

QString PlayEvent::describe() const {
    QString what;
    switch (action) {
    case Action::MenuClick:
        what = QStringLiteral("click menu item %1").arg(QLatin1String(kMenuItems[item].caption));
        break;
    case Action::Accelerator:
        what = QStringLiteral("press %1").arg(keyName(kAccelerators[item]));
        break;
    case Action::Go:
    case Action::Ok: {
        static const char* const ways[] = {"click", "Space on", "Return on", "Enter on"};
        what = QStringLiteral("%1 %2").arg(QLatin1String(ways[how]), action == Action::Go
                                                                         ? QStringLiteral("GO")
                                                                         : QStringLiteral("OK"));
        break;
    }
    case Action::EnterInBox:
        what = how == 0 ? QStringLiteral("Return in the box") : QStringLiteral("Enter in the box");
        break;
    case Action::Type:
        what = QStringLiteral("type %1%2")
                   .arg(shortened(text),
                        how == 1 ? QStringLiteral(" over the box's text") : QString());
        break;
    case Action::Paste:
        what = QStringLiteral("paste %1").arg(shortened(text));
        break;
    case Action::EditKey:
        what = QStringLiteral("press %1").arg(keyName(kEditKeys[item]));
        break;
    case Action::FrameClose:
        what = QStringLiteral("close the window through its frame");
        break;
    }
    if (action == Action::Ok || action == Action::EditKey)
        what += QStringLiteral(" (a message box: %1)").arg(QLatin1String(kAnswerNames[answer]));
    return what;
}
