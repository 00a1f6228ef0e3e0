#pragma once

#include "ui/Window.h"

namespace ui {
class Button;
class Label;
class TextBox;
} // namespace ui

// The main window: the text area, the command box with its GO button, and the menu bar from
// which every command is reached.
class Form1 : public ui::Window {
    Q_OBJECT

public:
    Form1();

    void Form_Load() override;

private:
    void mnuNewGame_Click();
    void mnuEnterHighScores_Click();
    void mnuCheckHighScores_Click();
    void mnuEndGame_Click();
    void mnuStory_Click();
    void mnuCharacters_Click();
    void mnuHowtoPlay_Click();
    void mnuAboutThisGame_Click();
    void mnuShowRoom_Click();
    void createControls();
    void createMenus();

    ui::TextBox* Text1;   // command box
    ui::Label* Label1;    // text area
    ui::Button* Command1; // GO
};
