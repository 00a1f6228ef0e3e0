#include "ui/AccessibilityBridge.h"

namespace ui {
namespace {

AccessibilityBridge* installed = nullptr;

} // namespace

void setAccessibilityBridge(AccessibilityBridge* bridge) {
    installed = bridge;
}

AccessibilityBridge* accessibilityBridge() {
    return installed;
}

} // namespace ui
