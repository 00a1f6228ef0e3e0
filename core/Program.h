#pragma once

#include <QString>

class QWidget;

// The argument text of this run, as New Game puts it into the command box.
QString Command();

// Ends the program at once: every window disappears and no further handler runs.
void End();

// A modal message with an OK button, for the program's windows.
void showMessage(QWidget* parent, const QString& caption, const QString& text);
