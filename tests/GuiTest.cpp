#include "GuiTest.h"

#include "TestSupport.h"

#include "core/Windows.h"

namespace {

QStringList caught;
QtMessageHandler previousHandler = nullptr;

// The offscreen platform's note whenever a window is raised or resized (a desktop's platform
// does both), and the font engine's on a script that no installed font shapes, are about the
// machine. Anything else is the program's.
bool isAboutTheMachine(const QString& text) {
    return text.startsWith(QLatin1String("This plugin does not support")) ||
           text.contains(QLatin1String("OpenType support missing for"));
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
