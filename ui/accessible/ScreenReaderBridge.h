#pragma once

#include "ui/AccessibilityBridge.h"

namespace ui {

// The bridge the widgets tell screen readers through: each window's announcements go through
// its Announcer, quiet changes through QuietTextChange.
class ScreenReaderBridge : public AccessibilityBridge {
public:
    void announce(Window& window, const QObject& source, const QString& text) override;
    void announceReplacedText(Window& window, TextBox& box) override;
    void showReplacedText(TextBox& box, const QString& oldText) override;
    void quietly(QObject& box, const std::function<void()>& change) override;
};

} // namespace ui
