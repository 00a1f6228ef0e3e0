#pragma once

#include "core/Windows.h"
#include "ui/Window.h"

#include <memory>

// Makes the program's windows for core, which creates each once, when it is first needed.
std::unique_ptr<ui::Window> createForm(WindowId id);
