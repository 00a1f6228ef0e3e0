#include "forms/scores/Form3.h"

#include "core/Program.h"
#include "core/WholeNumberText.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/scores/ScoreReading.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QLocale>

#include <array>
#include <cstdint>

namespace {

const QString kFirst = QStringLiteral("Enter the first high score.");
const QString kSecond = QStringLiteral("Enter the second high score.");
const QString kThird = QStringLiteral("Enter the third high score.");
const QString kFourth = QStringLiteral("Enter the fourth high score.");
const QString kLast = QStringLiteral("Enter the last high score.");
const QString kFinished = QStringLiteral("You can't change the scores.");

struct Step {
    const QString& prompt;
    HighScoreSlot slot;
    HighScoreSlot limit; // the score entered one step before; none at the first
    const QString& next;
};

// Each entry may not be greater than the one just entered above it.
const std::array<Step, 5> kSteps{{
    {kFirst, &ModVariables::HighScore1, nullptr, kSecond},
    {kSecond, &ModVariables::HighScore2, &ModVariables::HighScore1, kThird},
    {kThird, &ModVariables::HighScore3, &ModVariables::HighScore2, kFourth},
    {kFourth, &ModVariables::HighScore4, &ModVariables::HighScore3, kLast},
    {kLast, &ModVariables::HighScore5, &ModVariables::HighScore4, kFinished},
}};

const Step* stepFor(const QString& prompt) {
    for (const Step& step : kSteps) {
        if (step.prompt == prompt)
            return &step;
    }
    return nullptr;
}

} // namespace

Form3::Form3() : ui::Window("Form3", QStringLiteral("Form3"), 3975, 1425) {
    createControls();
    // Leaving through the frame keeps the prompt and the entry, so the player can come back
    // and finish.
    setFrameCloseHandler([] { SwitchWindow(WindowId::Form3, WindowId::Form1); });
}

void Form3::createControls() {
    using ui::Typeface;
    Label1 = new ui::Label(*this, "Label1", {0, 0, 3975, 465}, Typeface::MsSansSerif13_5, kFirst);
    Text1 = new ui::TextBox(*this, "Text1", {0, 480, 3975, 480}, Typeface::MsSansSerif13_5,
                            QStringLiteral("0"));
    Command1 = new ui::Button(*this, "Command1", {0, 960, 3975, 480}, Typeface::MsSansSerif13_5,
                              QStringLiteral("OK"));
    Command1->onClick([this] { Command1_Click(); });

    // The prompt names the entry box for screen readers.
    Label1->labelFor(*Text1);
    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

void Form3::Command1_Click() {
    if (Label1->caption() == kFinished) {
        SwitchWindow(WindowId::Form3, WindowId::Form1);
        return;
    }
    const Step* step = stepFor(Label1->caption());
    if (!step)
        return;

    const auto entry = ScoreReading::readNumber(Text1->text(), QLocale());
    if (!entry) {
        refuseEntry(QStringLiteral("Enter a number, for example 750."));
        return;
    }
    if (step->limit && *entry > modVariables.*step->limit) {
        editEntry(); // too high for its place: the player types another number
        return;
    }
    const auto score = ScoreReading::toScore(*entry);
    if (!score) {
        refuseEntry(QStringLiteral("Enter a score between -2147483648 and 2147483647."));
        return;
    }

    modVariables.*step->slot = *score;
    Label1->setCaption(step->next);
    if (step->next == kFinished) {
        Text1->setText(WholeNumberText(0));
        SwitchWindow(WindowId::Form3, WindowId::Form1);
    } else {
        editEntry();
    }
}

void Form3::showEvent(QShowEvent* event) {
    editEntry();
    ui::Window::showEvent(event);
}

// Back in the entry box with its number selected, so the next number typed replaces it. Coming
// back to the box from OK, or to the window, also has a screen reader say the prompt, the box's
// label, and the selection with it.
void Form3::editEntry() {
    Text1->editWhole();
}

void Form3::refuseEntry(const QString& message) {
    showMessage(this, QStringLiteral("Form3"), message);
    activateWindow();
    editEntry();
}

#include "moc_Form3.cpp"
