#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

class QAction;
class QWidget;

namespace ui {
class Window;
}

// Brings the program back to the state of a fresh process: no window, all slots zero, the
// given argument text. End and message boxes are recorded instead of acting.
void resetProgram(const QString& argumentText = QString());

// resetProgram, then the program's start: the main window created and active.
void startProgram(const QString& argumentText = QString());

// Key presses the way a player makes them: into whatever has the keyboard focus.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);

QWidget* focusedWidget();
QAction* menuItem(const char* name);
void clickButton(ui::Window& window, const char* name);
QString textOf(ui::Window& window, const char* name); // a label's caption or a box's text
void setBoxText(ui::Window& window, const char* name, const QString& text);

// Which of the three windows are visible, as "Form1", "Form2", "Form3" in that order.
QStringList visibleWindows();

// What happened through the seams since the last reset.
int endRequests();
struct ShownMessage {
    QString caption;
    QString text;
};
QList<ShownMessage> shownMessages();
