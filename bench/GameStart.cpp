// The game's own start, its main() as `vorlakin` runs it, ended right after the main window's
// first frame.
#include "FirstFrame.h"

#include "tests/MainWindowShown.h"

#include <QCoreApplication>

namespace {

void measureFirstFrame() {
    whenMainWindowShown([](QWidget& mainWindow) { new FirstFrame(mainWindow); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(measureFirstFrame)
