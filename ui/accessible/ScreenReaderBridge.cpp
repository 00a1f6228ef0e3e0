#include "ui/accessible/ScreenReaderBridge.h"

#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/Announcer.h"
#include "ui/accessible/QuietTextChange.h"
#include "ui/accessible/ReadingPolicy.h"

namespace ui {

void ScreenReaderBridge::announce(Window& window, const QObject& source, const QString& text) {
    Announcer::of(window).announce(&source, text);
}

void ScreenReaderBridge::announceReplacedText(Window& window, TextBox& box) {
    const QString spoken = box.text().left(kSpokenLineLength);
    announce(window, box, spoken.isEmpty() ? QStringLiteral("blank") : spoken);
}

void ScreenReaderBridge::windowActivated(Window& window) {
    if (auto* announcer = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        announcer->windowActivated();
}

void ScreenReaderBridge::quietly(QObject& box, const std::function<void()>& change) {
    const QuietTextChange quiet(box);
    change();
}

} // namespace ui
