#include "forms/scores/Form2.h"

#include "core/WholeNumberText.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "ui/Button.h"
#include "ui/Label.h"

#include <QStringList>

#include <cstdint>

namespace {

struct Row {
    const char* titleName;
    const char* title;
    const char* valueName;
    HighScoreSlot slot;
    int top;
};

// The fourth title has no colon; it has always read that way.
constexpr std::array<Row, 5> kRows{{
    {"Label1", "High Score 1:", "Label2", &ModVariables::HighScore1, 0},
    {"Label3", "High Score 2:", "Label4", &ModVariables::HighScore2, 480},
    {"Label5", "High Score 3:", "Label6", &ModVariables::HighScore3, 960},
    {"Label7", "High Score 4", "Label8", &ModVariables::HighScore4, 1440},
    {"Label9", "High Score 5:", "Label10", &ModVariables::HighScore5, 1920},
}};

} // namespace

Form2::Form2() : ui::Window("Form2", QStringLiteral("Form2"), 3825, 2850) {
    createControls();
    setFrameCloseHandler([this] { Command1_Click(); });
}

void Form2::createControls() {
    using ui::Typeface;
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const Row& r = kRows[row];
        titleLabels[row] = new ui::Label(*this, r.titleName, {0, r.top, 1935, 480},
                                         Typeface::MsSansSerif13_5, QString::fromLatin1(r.title));
        valueLabels[row] = new ui::Label(*this, r.valueName, {1920, r.top, 1935, 480},
                                         Typeface::MsSansSerif13_5, QStringLiteral("0"));
    }
    Command1 = new ui::Button(*this, "Command1", {1320, 2400, 1215, 480}, Typeface::MsSansSerif13_5,
                              QStringLiteral("OK"));
    Command1->onClick([this] { Command1_Click(); });
    Command1->setFocus();
}

void Form2::Form_Load() {
    showScores();
}

void Form2::Command1_Click() {
    SwitchWindow(WindowId::Form2, WindowId::Form1);
}

void Form2::showEvent(QShowEvent* event) {
    // Scores entered after the table was first opened show too: the table never goes stale.
    showScores();
    ui::Window::showEvent(event);
}

void Form2::showScores() {
    QStringList table;
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        valueLabels[row]->setCaption(WholeNumberText(modVariables.*kRows[row].slot));
        table.append(titleLabels[row]->caption() + QLatin1Char(' ') + valueLabels[row]->caption());
    }
    // Only OK takes the focus, so a screen reader would not come across the scores by
    // themselves: the window tells them, in one line, which a braille display shows whole.
    announce(*this, table.join(QStringLiteral(", ")));
}

#include "moc_Form2.cpp"
