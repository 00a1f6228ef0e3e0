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

Form1& theForm1() {
    return static_cast<Form1&>(window(WindowId::Form1));
}

Form2& theForm2() {
    return static_cast<Form2&>(window(WindowId::Form2));
}

Form3& theForm3() {
    return static_cast<Form3&>(window(WindowId::Form3));
}
