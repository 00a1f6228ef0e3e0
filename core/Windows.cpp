#include "core/Windows.h"

#include "forms/main/Form1.h"
#include "forms/scores/Form2.h"
#include "forms/scores/Form3.h"

#include <array>
#include <memory>

namespace {

// Never destroyed by exit(): Qt calls it on some of its own ways out, when the windows can no
// longer be torn down safely. The program releases them itself once its event loop has ended.
std::array<std::unique_ptr<ui::Window>, 3>& instances() {
    static auto* windows = new std::array<std::unique_ptr<ui::Window>, 3>;
    return *windows;
}

std::unique_ptr<ui::Window> create(WindowId id) {
    switch (id) {
    case WindowId::Form1:
        return std::make_unique<Form1>();
    case WindowId::Form2:
        return std::make_unique<Form2>();
    case WindowId::Form3:
        return std::make_unique<Form3>();
    }
    return nullptr;
}

} // namespace

ui::Window& window(WindowId id) {
    auto& slot = instances()[static_cast<std::size_t>(id)];
    if (!slot) {
        slot = create(id);
        slot->Form_Load();
    }
    return *slot;
}

ui::Window* existingWindow(WindowId id) {
    return instances()[static_cast<std::size_t>(id)].get();
}

Form1& theForm1() {
    return static_cast<Form1&>(window(WindowId::Form1));
}

Form2& theForm2() {
    return static_cast<Form2&>(window(WindowId::Form2));
}

Form3& theForm3() {
    return static_cast<Form3&>(window(WindowId::Form3));
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
    for (auto& slot : instances())
        slot.reset();
}
