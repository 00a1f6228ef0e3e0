#include "core/Program.h"

#include "core/Windows.h"
#include "ui/AppIcon.h"
#include "ui/Fonts.h"
#include "ui/Window.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QStringList>

namespace {

QString& commandText() {
    static QString text;
    return text;
}

std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}

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
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments.join(QLatin1Char(' '));
}

QString Command() {
    return commandText();
}

void setCommand(const QString& text) {
    commandText() = text;
}

int runProgram(int argc, char* argv[], const std::function<void()>& started) {
    setCommand(argumentText(argc, argv));

    // Arguments never change what the program does, so Qt sees none of them (no -style,
    // -platform, ...). The environment still chooses the platform.
    static char programName[] = "vorlakin";
    static char* fallbackArgv[] = {programName, nullptr};
    int qtArgc = 1;
    const auto application =
        ui::openWindowSystem(qtArgc, argc > 0 && argv[0] ? argv : fallbackArgv);
    QApplication::setApplicationName(QStringLiteral("vorlakin"));
    // Becomes the windows' app id on Wayland, by which the desktop finds their menu entry and
    // icon. X11 goes by WM_CLASS "vorlakin", which the entry's StartupWMClass names.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLAKIN_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::resolveDesktopFont();

    StartProgram();
    ui::setAppIconAfterFirstFrame(window(WindowId::Form1));
    if (started)
        started();
    const int status = QApplication::exec();
    releaseWindows();
    return status;
}

void StartProgram() {
    ui::Window& main = window(WindowId::Form1);
    main.show();
    main.activateWindow();
}

void End() {
    if (endHandler())
        endHandler()();
    else
        endProcess();
}

std::function<void()> setEndHandler(std::function<void()> handler) {
    return std::exchange(endHandler(), std::move(handler));
}
