#pragma once

#include "ui/Window.h"

#include <array>

namespace ui {
class Button;
class Label;
} // namespace ui

// The high-score table: five titles beside the five slots' values, and OK back to the main
// window.
class Form2 : public ui::Window {
    Q_OBJECT

public:
    Form2();

    void Form_Load() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void createControls();
    void showScores();

    std::array<ui::Label*, 5> titleLabels; // Label1, Label3, Label5, Label7, Label9
    std::array<ui::Label*, 5> valueLabels; // Label2, Label4, Label6, Label8, Label10
    ui::Button* Command1;
};
