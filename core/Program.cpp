#include "core/Program.h"

#include "core/AppIcon.h"
#include "core/DesktopFont.h"
#include "core/DisplayLoss.h"
#include "core/ForeignDestroy.h"
#include "core/ProcessLimits.h"
#include "core/ProgramState.h"
#include "core/SessionEnd.h"
#include "core/UnworkableSettings.h"
#include "core/WindowSystem.h"
#include "ui/MessageBox.h"
#include "ui/Style.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleWidgetFactory.h"

#include <QApplication>
#include <QStringList>

#include <cstring>

namespace {

void endProcess() {
    for (const auto id : {WindowId::Form1, WindowId::Form2, WindowId::Form3}) {
        if (auto* created = existingWindow(id))
            created->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace

QString argumentText(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        // A session manager's own: it restarts a program with "-session ID".
        if (std::strcmp(argv[i], "-session") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments.join(QLatin1Char(' '));
}

QString Command() {
    return programState().command;
}

int runProgram(int argc, char* argv[], WindowFactory makeWindow,
               const std::function<void()>& started) {
    secureStandardStreams();
    checkResourceLimits();
    refuseUnworkableSettings();
    programState().command = argumentText(argc, argv);
    programState().makeWindow = std::move(makeWindow);

    // Arguments never change what the program does, so Qt sees none of them (no -style,
    // -platform, ...). The environment still chooses the platform.
    static char programName[] = "vorlakin";
    static char* fallbackArgv[] = {programName, nullptr};
    int qtArgc = 1;
    const auto application = openWindowSystem(qtArgc, argc > 0 && argv[0] ? argv : fallbackArgv);
    QApplication::setApplicationName(QStringLiteral("vorlakin"));
    // Becomes the windows' app id on Wayland, by which the desktop finds their menu entry and
    // icon. X11 goes by WM_CLASS "vorlakin", which the entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLAKIN_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    endOnLostDisplay();
    const ForeignDestroy foreignDestroy;
    const SessionEnd sessionEnd(application.get());
    ui::resolveDesktopFont();

    StartProgram();
    setAppIconAfterFirstFrame(window(WindowId::Form1));
    if (started)
        started();
    const int status = QApplication::exec();
    releaseWindows();
    return status;
}

void StartProgram() {
    ui::installStyle();
    ui::installAccessibility();
    ui::Window& main = window(WindowId::Form1);
    main.show();
    main.activateWindow();
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
