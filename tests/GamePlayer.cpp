#include "GamePlayer.h"

#include "GameTables.h"
#include "TestSupport.h"

#include "core/modVariables.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

namespace GamePlayer {
namespace {

using Kind = PlayStep::Kind;

QWidget* frontWindow() {
    return gameWindow(visibleWindows().value(0));
}

void key(QKeyCombination keys) {
    settle();
    QWidget* focus = QApplication::focusWidget();
    if (focus)
        QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
    else if (QWidget* front = frontWindow())
        QTest::keyClick(front->windowHandle(), keys.key(), keys.keyboardModifiers());
}

// Printable ASCII key by key; anything else as text without a key code, as a compose key or an
// input method delivers it.
void type(const QString& text) {
    for (const QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(focus, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The pointer's events enter through the windows, as the window system delivers them: Qt 6.8's
// menus take an item only from a pointer that came in that way and crossed to it.
void chooseWithTheMouse(const MenuEntry& entry) {
    QWidget* main = gameWindow(QStringLiteral("Form1"));
    auto* bar = main->findChild<QMenuBar*>();
    auto* menu = main->findChild<QMenu*>(QString::fromLatin1(entry.menu));
    QAction* item = menuItem(QString::fromLatin1(entry.name));
    QWindow* window = main->windowHandle();
    const QPoint title = bar->mapTo(main, bar->actionGeometry(menu->menuAction()).center());
    QTest::mouseClick(window, Qt::LeftButton, {}, title);
    if (!QTest::qWaitFor([menu] { return menu->isVisible() && menu->windowHandle(); }, 2000))
        return;
    QWindow* popup = menu->windowHandle();
    const QPoint from = popup->mapFromGlobal(window->mapToGlobal(title));
    const QPoint target = menu->actionGeometry(item).center();
    // Straight down into the menu first: across the bar, it would open the next title's menu.
    const QPoint corner(from.x(), target.y());
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(popup, from + (corner - from) * step / 4);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(popup, corner + (target - corner) * step / 4);
    if (!QTest::qWaitFor([menu, item] { return menu->activeAction() == item; }, 2000))
        return;
    QTest::mouseClick(popup, Qt::LeftButton, {}, target);
    (void)QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000);
}

} // namespace

void play(const PlayStep& step) {
    QWidget* front = frontWindow();
    if (!front)
        return;
    const QString frontName = front->objectName();
    switch (step.kind) {
    case Kind::Keys:
        key(menuTree()[step.item].keys[0]);
        break;
    case Kind::Menu:
        if (step.how == 0)
            triggerAction(QString::fromLatin1(menuTree()[step.item].name));
        else
            chooseWithTheMouse(menuTree()[step.item]);
        break;
    case Kind::TypeOver:
        key(Qt::Key_Home);
        key(Qt::SHIFT | Qt::Key_End);
        key(Qt::Key_Delete);
        type(step.text);
        break;
    case Kind::TypeAtEnd:
        key(Qt::Key_End);
        type(step.text);
        break;
    case Kind::PasteAtEnd:
        QGuiApplication::clipboard()->setText(step.text);
        key(Qt::Key_End);
        key(Qt::CTRL | Qt::Key_V);
        break;
    case Kind::Backspace:
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        break;
    case Kind::EnterInBox:
        key(step.how == 0 ? QKeyCombination(Qt::Key_Return)
                          : QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter));
        break;
    case Kind::Tab:
        key(Qt::Key_Tab);
        break;
    case Kind::ClickBox:
        if (auto* box = control<QLineEdit>(frontName, QStringLiteral("Text1")))
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
        break;
    case Kind::Press:
        if (step.how == 0)
            clickButton(frontName, QStringLiteral("Command1"));
        else
            key(step.how == 1 ? Qt::Key_Space : Qt::Key_Return);
        break;
    case Kind::FrameClose:
        closeWindow(frontName);
        break;
    case Kind::Answer:
        break; // only on an open box
    }
}

void answer(QMessageBox& box, const PlayStep& step) {
    QWidget* inBox = box.focusWidget() ? box.focusWidget() : box.button(QMessageBox::Ok);
    switch (step.how) {
    case 0:
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(inBox, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(inBox, Qt::Key_Escape);
        break;
    case 3:
        QTest::keyClick(inBox, Qt::Key_Space);
        break;
    default:
        box.windowHandle()->close();
        break;
    }
}

void settle() {
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() || QApplication::activeModalWidget())
        return;
    if (QWidget* front = frontWindow()) {
        front->activateWindow();
        (void)QTest::qWaitForWindowActive(front, 1000);
    }
}

PlayerView read(const QStringList& warnings) {
    PlayerView view;
    view.visible = visibleWindows();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible()) {
        view.focus = QStringLiteral("messageBox");
        view.messageBox = box->windowTitle() + QStringLiteral(": ") + box->text();
    } else {
        view.focus = focusName();
    }
    view.page = textOf(QStringLiteral("Form1"), QStringLiteral("Label1"));
    view.command = textOf(QStringLiteral("Form1"), QStringLiteral("Text1"));
    const bool entryCreated = gameWindow(QStringLiteral("Form3")) != nullptr;
    view.prompt = entryCreated ? textOf(QStringLiteral("Form3"), QStringLiteral("Label1"))
                               : QStringLiteral("-");
    view.entry = entryCreated ? textOf(QStringLiteral("Form3"), QStringLiteral("Text1"))
                              : QStringLiteral("-");
    if (view.visible.contains(QStringLiteral("Form2"))) {
        for (const char* name : {"Label2", "Label4", "Label6", "Label8", "Label10"})
            view.table.append(textOf(QStringLiteral("Form2"), QString::fromLatin1(name)));
    }
    view.slots = {modVariables.HighScore1, modVariables.HighScore2, modVariables.HighScore3,
                  modVariables.HighScore4, modVariables.HighScore5};
    view.room = modVariables.CurrentRoom;
    view.ends = endRequests();
    view.warnings = warnings;
    return view;
}

} // namespace GamePlayer
