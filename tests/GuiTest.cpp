#include "GuiTest.h"

#include "TestSupport.h"

#include "core/Windows.h"

namespace {

QStringList caught;
QtMessageHandler previousHandler = nullptr;

// The offscreen platform's note whenever a window is raised or resized (a desktop's platform
// does both), the font engine's on a script that no installed font shapes, on Wayland QtTest's on
// waiting for an active window and the input method's on a focus change, and the AT-SPI bridge's
// when a desktop's own client asks about a window already gone, are about the machine. Anything
// else is the program's.
bool isAboutTheMachine(const QString& text) {
    return text.startsWith(QLatin1String("This plugin does not support")) ||
           text.contains(QLatin1String("OpenType support missing for")) ||
           text.startsWith(QLatin1String("qWaitForWindowActive was called on a platform")) ||
           text.contains(QLatin1String("zwp_text_input_v3_leave")) ||
           text.startsWith(QLatin1String("Could not find accessible on path"));
}

void catchWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && !isAboutTheMachine(text))
        caught.append(text);
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

QStringList GuiTest::warnings() {
    return caught;
}

void GuiTest::forgetWarnings() {
    caught.clear();
}

void GuiTest::initTestCase() {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(catchWarning);
}

void GuiTest::init() {
    caught.clear();
    startGame();
}

void GuiTest::cleanup() {
    QVERIFY2(caught.isEmpty(), qPrintable(caught.join(QStringLiteral(" | "))));
}

void GuiTest::cleanupTestCase() {
    releaseWindows();
}
