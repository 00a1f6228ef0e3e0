#pragma once

#include "core/Windows.h"
#include "ui/Window.h"

#include <memory>

class Form1;
class Form2;
class Form3;

// Makes the program's windows for core, which creates each once, when it is first needed.
std::unique_ptr<ui::Window> createForm(WindowId id);

// The windows as their forms, created if need be.
Form1& theForm1();
Form2& theForm2();
Form3& theForm3();
