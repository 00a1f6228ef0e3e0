#pragma once

#include "ui/Window.h"

namespace ui {
class Button;
class Label;
class TextBox;
} // namespace ui

// The old-high-score entry: five scores, highest first, one per press of OK. The prompt's text
// is the window's state.
class Form3 : public ui::Window {
    Q_OBJECT

public:
    Form3();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void createControls();
    void editEntry();
    void refuseEntry(const QString& message);

    ui::Label* Label1;    // prompt
    ui::TextBox* Text1;   // entry box
    ui::Button* Command1; // OK
};
