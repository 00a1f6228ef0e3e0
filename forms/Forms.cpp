#include "forms/Forms.h"

#include "forms/main/Form1.h"
#include "forms/scores/Form2.h"
#include "forms/scores/Form3.h"

std::unique_ptr<ui::Window> createForm(WindowId id) {
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
