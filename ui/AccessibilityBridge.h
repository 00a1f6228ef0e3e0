#pragma once

#include <functional>

class QObject;
class QString;

namespace ui {

class TextBox;
class Window;

// What the widgets tell assistive technology beyond what Qt reports of them by itself. The
// widgets call it; program start-up installs the screen-reader layer's bridge. Without one, the
// widgets tell nothing more than Qt does.
class AccessibilityBridge {
public:
    virtual ~AccessibilityBridge() = default;

    // A change of `source`, away from the focus, to be told once.
    virtual void announce(Window& window, const QObject& source, const QString& text) = 0;
    // The program has replaced the whole text of the focused box.
    virtual void announceReplacedText(Window& window, TextBox& box) = 0;
    // The program has replaced `oldText`, the whole text of the focused box, quietly: what
    // shows the box's text (a braille display) must follow.
    virtual void showReplacedText(TextBox& box, const QString& oldText) = 0;
    // Runs `change` with the box's own reports of its text, caret and selection kept from
    // readers; what a reader should hear of the change is told otherwise.
    virtual void quietly(QObject& box, const std::function<void()>& change) = 0;
};

void setAccessibilityBridge(AccessibilityBridge* bridge);
AccessibilityBridge* accessibilityBridge();

} // namespace ui
