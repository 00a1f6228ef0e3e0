// The program's start, in order: the process's guards, the application, the style and the
// screen-reader layer, the windows, the event loop. The forms are the program's windows.
#include "core/Program.h"
#include "core/ProgramState.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "platform/AppIcon.h"
#include "platform/CommandLine.h"
#include "platform/DesktopFont.h"
#include "platform/DisplayLoss.h"
#include "platform/ForeignDestroy.h"
#include "platform/ProcessLimits.h"
#include "platform/SessionEnd.h"
#include "platform/UnworkableSettings.h"
#include "platform/WindowSystem.h"
#include "ui/Style.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleWidgetFactory.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::secureStandardStreams();
    platform::checkResourceLimits();
    platform::refuseUnworkableSettings();
    programState().command = platform::argumentText(argc, argv);
    programState().makeWindow = createForm;

    // Arguments never change what the program does, so Qt sees none of them (no -style,
    // -platform, ...). The environment still chooses the platform.
    static char programName[] = "vorlakin";
    static char* fallbackArgv[] = {programName, nullptr};
    int qtArgc = 1;
    const auto application =
        platform::openWindowSystem(qtArgc, argc > 0 && argv[0] ? argv : fallbackArgv);
    QApplication::setApplicationName(QStringLiteral("vorlakin"));
    // Becomes the windows' app id on Wayland, by which the desktop finds their menu entry and
    // icon. X11 goes by WM_CLASS "vorlakin", which the entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLAKIN_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::endOnLostDisplay();
    const platform::SessionEnd sessionEnd(application.get(), End);

    platform::resolveDesktopFont();
    ui::installStyle();
    ui::installAccessibility();

    // The main window's load handler sets the default high scores.
    ui::Window& mainWindow = window(WindowId::Form1);
    const platform::ForeignDestroy foreignDestroy(mainWindow);
    mainWindow.show();
    mainWindow.activateWindow();
    platform::setAppIconAfterFirstFrame(mainWindow);

    const int status = QApplication::exec();
    releaseWindows();
    return status;
}
