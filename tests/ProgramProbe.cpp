// The real program, its own main() and all, with one scripted action after start-up, chosen by
// VORLAKIN_PROBE:
//   close     close the main window through its frame
//   end-key   press F3 in the focused command box
//   new-game  run New Game, print the command box's length and text (UTF-8, hex), then F3
//   main      stay in the main window
//   idle      run New Game, leave the focus in the command box and stay
//   table     open the high-score table and stay
//   entry     open the old-high-score entry window, enter 900, type 12 and stay
//   message   in the entry window, press OK on a text that is no number, and stay in the message
//   icon      print the windows' icon's sizes once it is set, then F3
//   switches  go to the table and back, to the entry window and back (twice), print
//             "switched", then F3
//   tables    print the page texts and the menu table as the program holds them, as JSON, then F3
//   x11-icon  on X11: print how often the main window's icon reached X and whether Qt was kept
//             from sending it, and stay
// The states that stay print "ready" and the native window ids of the main window and of the
// window shown, once it is shown; after the message box is answered (OK or its window taken
// away) the entry window's prompt and box follow, and "entry goes on" once OK on a number
// there has moved on to the next prompt. Should the table or the entry window be taken away and
// the main window show, they are opened again through their menu items and "shown again:" and
// what they show follows.
#include "MainWindowShown.h"
#include "TestSupport.h"

#include "forms/main/MainMenu.h"
#include "forms/main/TextPages.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QIcon>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const QString kMain = QStringLiteral("Form1");
const QString kEntry = QStringLiteral("Form3");

void pressEndGame() {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : gameWindow(kMain), Qt::Key_F3);
}

void sayReady(QWidget& shown) {
    (void)QTest::qWaitForWindowExposed(&shown);
    // Settled: the icon comes after the main window's first frame.
    (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
    std::printf("ready %llu %llu\n", static_cast<unsigned long long>(gameWindow(kMain)->winId()),
                static_cast<unsigned long long>(shown.winId()));
    std::fflush(stdout);
}

void sayWhenMessageShown() {
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            sayReady(*box);
        else
            sayWhenMessageShown();
    });
}

// After the message: the entry window takes keys again, and takes a number.
void goOnInTheEntryWindow() {
    std::printf("after message: %s / %s\n", qPrintable(textOf(kEntry, QStringLiteral("Label1"))),
                qPrintable(textOf(kEntry, QStringLiteral("Text1"))));
    std::fflush(stdout);
    setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("750"));
    QTest::keyClick(control<QPushButton>(kEntry, QStringLiteral("Command1")), Qt::Key_Space);
    if (textOf(kEntry, QStringLiteral("Label1")) == QLatin1String("Enter the second high score."))
        std::puts("entry goes on");
    std::fflush(stdout);
}

// The table's five values, or the entry window's prompt and box.
QString shownText(const QString& name) {
    if (name == kEntry)
        return textOf(kEntry, QStringLiteral("Label1")) + QStringLiteral(" / ") +
               textOf(kEntry, QStringLiteral("Text1"));
    QStringList values;
    for (const char* label : {"Label2", "Label4", "Label6", "Label8", "Label10"})
        values.append(textOf(name, QString::fromLatin1(label)));
    return values.join(QLatin1Char(' '));
}

void showAgainWhenBack(const QString& name, const QString& item) {
    QTimer::singleShot(50, [name, item] {
        if (gameWindow(name)->isVisible() || !gameWindow(kMain)->isVisible())
            return showAgainWhenBack(name, item);
        triggerAction(item);
        const bool exposed = QTest::qWaitForWindowExposed(gameWindow(name));
        std::printf("shown again%s: %s\n", exposed ? "" : " but never exposed",
                    qPrintable(shownText(name)));
        std::fflush(stdout);
    });
}

void printTables() {
    const QJsonObject pages{{QStringLiteral("welcome"), TextPages::welcome()},
                            {QStringLiteral("story"), TextPages::story()},
                            {QStringLiteral("characters"), TextPages::characters()},
                            {QStringLiteral("howToPlay"), TextPages::howToPlay()},
                            {QStringLiteral("about"), TextPages::about()}};
    QJsonArray menus;
    for (const MainMenu& menu : mainMenus())
        menus.append(QJsonObject{{QStringLiteral("name"), QLatin1String(menu.name)},
                                 {QStringLiteral("caption"), QLatin1String(menu.caption)}});
    QJsonArray items;
    for (const MainMenuItem& item : mainMenuItems())
        items.append(QJsonObject{{QStringLiteral("menu"), QLatin1String(item.menu)},
                                 {QStringLiteral("name"), QLatin1String(item.name)},
                                 {QStringLiteral("caption"), QLatin1String(item.caption)},
                                 {QStringLiteral("keys"), item.keys.toString()}});
    const QJsonObject tables{{QStringLiteral("pages"), pages},
                             {QStringLiteral("menus"), menus},
                             {QStringLiteral("items"), items}};
    std::fputs(QJsonDocument(tables).toJson().constData(), stdout);
    std::fflush(stdout);
}

// Counts the times X tells the program that a window's _NET_WM_ICON has a new value.
class IconChanges : public QAbstractNativeEventFilter {
public:
    explicit IconChanges(const QWidget& window) : window_(xcb_window_t(window.winId())) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
            static constexpr char kName[] = "_NET_WM_ICON";
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
            if (reply)
                atom_ = reply->atom;
            std::free(reply);
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~IconChanges() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    IconChanges(const IconChanges&) = delete;
    IconChanges& operator=(const IconChanges&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
            if (change->window == window_ && change->atom == atom_ &&
                change->state == XCB_PROPERTY_NEW_VALUE)
                ++count_;
        }
        return false;
    }
    int count() const { return count_; }

private:
    xcb_window_t window_;
    xcb_atom_t atom_ = XCB_ATOM_NONE;
    int count_ = 0;
};

void runScript() {
    const QByteArray script = qgetenv("VORLAKIN_PROBE");
    // From before the first frame, which the icon follows.
    std::optional<IconChanges> iconChanges;
    if (script == "x11-icon")
        iconChanges.emplace(*gameWindow(kMain));
    (void)QTest::qWaitForWindowActive(gameWindow(kMain));
    if (script == "close") {
        closeWindow(kMain);
    } else if (script == "end-key") {
        pressEndGame();
    } else if (script == "new-game") {
        triggerAction(QStringLiteral("mnuNewGame"));
        const QString box = textOf(kMain, QStringLiteral("Text1"));
        std::printf("%lld\n%s\n", static_cast<long long>(box.size()),
                    box.toUtf8().toHex().constData());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "tables") {
        printTables();
        pressEndGame();
    } else if (script == "icon") {
        (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
        for (const QSize size : QApplication::windowIcon().availableSizes())
            std::printf("%dx%d\n", size.width(), size.height());
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "main") {
        sayReady(*gameWindow(kMain));
    } else if (script == "x11-icon") {
        (void)QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 10000);
        QTest::qWait(300); // X's word of every change so far has come
        std::printf("icon set %d time(s), Qt kept from sending it: %s\n", iconChanges->count(),
                    gameWindow(kMain)->testAttribute(Qt::WA_SetWindowIcon) ? "yes" : "no");
        sayReady(*gameWindow(kMain));
    } else if (script == "idle") {
        triggerAction(QStringLiteral("mnuNewGame"));
        control(kMain, QStringLiteral("Text1"))->setFocus();
        sayReady(*gameWindow(kMain));
    } else if (script == "switches") {
        for (int round = 0; round < 2; ++round) {
            triggerAction(QStringLiteral("mnuCheckHighScores"));
            (void)QTest::qWaitForWindowExposed(gameWindow(QStringLiteral("Form2")));
            clickButton(QStringLiteral("Form2"), QStringLiteral("Command1"));
            (void)QTest::qWaitForWindowExposed(gameWindow(kMain));
            triggerAction(QStringLiteral("mnuEnterHighScores"));
            (void)QTest::qWaitForWindowExposed(gameWindow(kEntry));
            closeWindow(kEntry);
            (void)QTest::qWaitForWindowExposed(gameWindow(kMain));
        }
        QTest::qWait(200);
        std::puts("switched");
        std::fflush(stdout);
        pressEndGame();
    } else if (script == "table") {
        pressKey(Qt::Key_C, Qt::ControlModifier);
        showAgainWhenBack(QStringLiteral("Form2"), QStringLiteral("mnuCheckHighScores"));
        sayReady(*gameWindow(QStringLiteral("Form2")));
    } else if (script == "entry") {
        pressKey(Qt::Key_O, Qt::ControlModifier);
        (void)QTest::qWaitForWindowExposed(gameWindow(kEntry));
        setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("900"));
        clickButton(kEntry, QStringLiteral("Command1"));
        setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("12"));
        showAgainWhenBack(kEntry, QStringLiteral("mnuEnterHighScores"));
        sayReady(*gameWindow(kEntry));
    } else if (script == "message") {
        pressKey(Qt::Key_O, Qt::ControlModifier);
        (void)QTest::qWaitForWindowExposed(gameWindow(kEntry));
        setBoxText(kEntry, QStringLiteral("Text1"), QStringLiteral("no number"));
        sayWhenMessageShown();
        QTest::mouseClick(control<QPushButton>(kEntry, QStringLiteral("Command1")), Qt::LeftButton);
        goOnInTheEntryWindow();
    }
}

void scriptOnceStarted() {
    whenMainWindowShown([](QWidget&) { QTimer::singleShot(0, runScript); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scriptOnceStarted)
