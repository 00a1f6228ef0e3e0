// The composition root: the forms are the program's windows.
#include "core/Program.h"
#include "forms/Forms.h"

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, createForm);
}
