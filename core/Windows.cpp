#include "core/Windows.h"

#include "core/ProgramState.h"
#include "ui/Window.h"

namespace {

std::unique_ptr<ui::Window>& slotOf(WindowId id) {
    return programState().windows[static_cast<std::size_t>(id)];
}

} // namespace

ui::Window& window(WindowId id) {
    auto& slot = slotOf(id);
    if (!slot) {
        slot = programState().makeWindow(id);
        slot->Form_Load();
    }
    return *slot;
}

ui::Window* existingWindow(WindowId id) {
    return slotOf(id).get();
}

void SwitchWindow(WindowId from, WindowId to) {
    if (auto* current = existingWindow(from))
        current->hide();
    ui::Window& target = window(to);
    target.show();
    target.raise();
    target.activateWindow();
}

void releaseWindows() {
    for (auto& slot : programState().windows)
        slot.reset();
}
