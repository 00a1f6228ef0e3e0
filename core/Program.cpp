#include "core/Program.h"

#include "core/ProgramState.h"
#include "ui/MessageBox.h"
#include "ui/Window.h"

#include <QCoreApplication>

namespace {

void endProcess() {
    for (const auto id : {WindowId::Form1, WindowId::Form2, WindowId::Form3}) {
        if (auto* created = existingWindow(id))
            created->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace

QString Command() {
    return programState().command;
}

void End() {
    if (programState().end)
        programState().end();
    else
        endProcess();
}

void showMessage(QWidget* parent, const QString& caption, const QString& text) {
    if (programState().showMessage)
        programState().showMessage(parent, caption, text);
    else
        ui::showMessageBox(parent, caption, text);
}
