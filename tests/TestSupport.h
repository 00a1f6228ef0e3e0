#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;

// Brings the program back to the state of a fresh process: no window, all slots zero, the
// given argument text. End and message boxes are recorded instead of acting.
void resetProgram(const QString& argumentText = QString());

// The program's start once the application exists, as main() makes it: the style, the
// screen-reader layer, then the main window created, shown and active.
void showMainWindow();
// resetProgram, then showMainWindow, waiting until the main window is active.
void startGame(const QString& argumentText = QString());

// The windows and their controls, found by object name as a player finds them by sight.
// Nothing while the window is not created.
QWidget* gameWindow(const QString& name);
template <class Control = QWidget> Control* control(const QString& window, const QString& name) {
    QWidget* top = gameWindow(window);
    return top ? top->findChild<Control*>(name) : nullptr;
}
QString textOf(const QString& window, const QString& control); // a label's, box's or button's
void setBoxText(const QString& window, const QString& box, const QString& text);

// Which of the three windows are visible, as "Form1", "Form2", "Form3" in that order.
QStringList visibleWindows();
// "Form1.Text1": the focused control and its window; empty when nothing has the focus.
QString focusName();

// Key presses the way a player makes them: into whatever has the keyboard focus.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void pressKeys(const QKeySequence& keys);
void typeText(const QString& text);
QWidget* focusedWidget();

// Chooses a main-window menu item as the menu does. A missing, hidden or disabled item fails
// the running test with its name, and nothing is triggered.
bool triggerAction(const QString& name);
QAction* menuItem(const QString& name);

void clickButton(const QString& window, const QString& name);
// Closes the window through its frame; false when the window stays (the close was refused).
bool closeWindow(const QString& window);

// What happened through the seams since the last reset.
int endRequests();
// What a window has told screen readers: how many announcements, and the last one's lines.
struct Told {
    int times = 0;
    QStringList lines;
    bool operator==(const Told&) const = default;
};
Told toldBy(const QString& window);
struct ShownMessage {
    QString caption;
    QString text;
};
QList<ShownMessage> shownMessages();
