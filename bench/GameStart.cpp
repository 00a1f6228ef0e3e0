// The game's own start, as `vorlakin` runs it, ended right after the main window's first frame.
#include "FirstFrame.h"

#include "core/Program.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "ui/Window.h"

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm, [] { new FirstFrame(window(WindowId::Form1)); });
}
