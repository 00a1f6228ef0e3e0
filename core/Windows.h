#pragma once

#include <functional>
#include <memory>

namespace ui {
class Window;
}

// The program's three windows. Each exists once: it is created the first time it is needed
// (its load handler runs then) and is only hidden and shown after that, so its controls keep
// their contents for the rest of the run.
enum class WindowId { Form1, Form2, Form3 };

// Makes the window for an id. The forms provide it; the program's start hands it to core.
using WindowFactory = std::function<std::unique_ptr<ui::Window>(WindowId)>;

ui::Window& window(WindowId id);
ui::Window* existingWindow(WindowId id); // nullptr while the window is not created

// The one way between windows: hide `from`, create `to` if it does not exist yet, show it.
void SwitchWindow(WindowId from, WindowId to);

// Destroys every window; the program does this once its event loop has ended.
void releaseWindows();
