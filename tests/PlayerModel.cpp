#include "PlayerModel.h"

#include "GameTables.h"

#include "forms/main/TextPages.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

using Kind = PlayStep::Kind;

const QString kForm1 = QStringLiteral("Form1");
const QString kForm2 = QStringLiteral("Form2");
const QString kForm3 = QStringLiteral("Form3");

} // namespace

PlayerModel::PlayerModel(const QString& argumentText) : argumentText_(argumentText) {
    view_.visible = QStringList{kForm1};
    view_.focus = QStringLiteral("Form1.Text1");
    view_.page = TextPages::welcome();
    view_.command = QStringLiteral("Command");
    view_.prompt = QStringLiteral("-");
    view_.entry = QStringLiteral("-");
    view_.slots = {1000, 800, 600, 400, 200};
}

bool PlayerModel::boxFocused() const {
    return view_.focus == QLatin1String("Form1.Text1") ||
           view_.focus == QLatin1String("Form3.Text1");
}

int PlayerModel::step() const {
    const auto at = prompts().indexOf(view_.prompt);
    return at < 0 ? 0 : static_cast<int>(at);
}

bool PlayerModel::applies(const PlayStep& step) const {
    if (ended())
        return false;
    if (messageBoxOpen())
        return step.kind == Kind::Answer;
    switch (step.kind) {
    case Kind::Menu:
        return front() == kForm1;
    case Kind::TypeOver:
    case Kind::TypeAtEnd:
    case Kind::PasteAtEnd:
    case Kind::Backspace:
    case Kind::EnterInBox:
        return boxFocused();
    case Kind::ClickBox:
        return front() != kForm2;
    case Kind::Press:
        return step.how == 0 || !boxFocused();
    case Kind::Answer:
        return false;
    case Kind::Keys:
    case Kind::Tab:
    case Kind::FrameClose:
        return true;
    }
    return false;
}

void PlayerModel::play(const PlayStep& step) {
    if (!applies(step))
        return;
    const QString front = this->front();
    switch (step.kind) {
    case Kind::Keys:
        // The menu's keys belong to the main window; elsewhere they are the focus's own keys,
        // which change no text there (select all, copy and the like).
        if (front == kForm1)
            command(QString::fromLatin1(menuTree()[step.item].name));
        break;
    case Kind::Menu:
        command(QString::fromLatin1(menuTree()[step.item].name));
        break;
    case Kind::TypeOver:
        focusedText() = step.text;
        break;
    case Kind::TypeAtEnd:
    case Kind::PasteAtEnd:
        focusedText() += step.text;
        break;
    case Kind::Backspace:
        focusedText().chop(1);
        break;
    case Kind::EnterInBox:
        break; // no window has a default button
    case Kind::Tab:
        if (front != kForm2)
            setFocus(boxFocused() ? QStringLiteral("Command1") : QStringLiteral("Text1"));
        break;
    case Kind::ClickBox:
        setFocus(QStringLiteral("Text1"));
        break;
    case Kind::Press:
        if (step.how == 0)
            setFocus(QStringLiteral("Command1"));
        if (front == kForm2)
            show(kForm1);
        else if (front == kForm3)
            pressOk();
        break;
    case Kind::FrameClose:
        if (front == kForm1)
            ++view_.ends;
        else
            show(kForm1);
        break;
    case Kind::Answer:
        view_.messageBox.clear();
        // Back in the entry box, ready for another number.
        view_.focus = QStringLiteral("Form3.Text1");
        break;
    }
}

void PlayerModel::command(const QString& item) {
    if (item == QLatin1String("mnuNewGame")) {
        view_.page = TextPages::welcome();
        view_.command = argumentText_;
        view_.room = 0;
    } else if (item == QLatin1String("mnuEnterHighScores")) {
        show(kForm3);
    } else if (item == QLatin1String("mnuCheckHighScores")) {
        show(kForm2);
    } else if (item == QLatin1String("mnuEndGame")) {
        ++view_.ends;
    } else if (item == QLatin1String("mnuStory")) {
        view_.page = TextPages::story();
    } else if (item == QLatin1String("mnuCharacters")) {
        view_.page = TextPages::characters();
    } else if (item == QLatin1String("mnuHowtoPlay")) {
        view_.page = TextPages::howToPlay();
    } else if (item == QLatin1String("mnuAboutThisGame")) {
        view_.page = TextPages::about();
    } else if (item == QLatin1String("mnuShowRoom")) {
        view_.command = QString::number(view_.room);
    }
}

// Each window comes back as it was left: the main window with its focus, the table with OK,
// the entry window with its box.
void PlayerModel::show(const QString& window) {
    view_.visible = QStringList{window};
    view_.table.clear();
    if (window == kForm1) {
        view_.focus = kForm1 + QLatin1Char('.') + mainFocus_;
    } else if (window == kForm2) {
        view_.focus = QStringLiteral("Form2.Command1");
        tableFromSlots();
    } else {
        if (view_.prompt == QLatin1String("-")) {
            view_.prompt = prompts().first();
            view_.entry = QStringLiteral("0");
        }
        view_.focus = QStringLiteral("Form3.Text1");
    }
}

void PlayerModel::tableFromSlots() {
    view_.table.clear();
    for (const auto value : view_.slots)
        view_.table.append(QString::number(value));
}

void PlayerModel::setFocus(const QString& control) {
    if (front() == kForm1)
        mainFocus_ = control;
    view_.focus = front() + QLatin1Char('.') + control;
}

QString& PlayerModel::focusedText() {
    return front() == kForm1 ? view_.command : view_.entry;
}

// One press of the entry window's OK: at most one step, each score no greater than the one
// above it, the fifth leading back for good.
void PlayerModel::pressOk() {
    view_.focus = QStringLiteral("Form3.Text1");
    if (view_.prompt == finishedPrompt()) {
        show(kForm1);
        return;
    }
    // Decimal digits of any script count as theirs.
    QString plain;
    for (const QChar c : view_.entry)
        plain += c.isDigit() ? QChar(u'0' + c.digitValue()) : c;
    bool ok = false;
    const double number = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(number)) {
        refuse(QStringLiteral("Enter a number, for example 750."));
        return;
    }
    const auto at = static_cast<std::size_t>(step());
    if (at > 0 && number > view_.slots[at - 1])
        return;
    const double whole = std::nearbyint(number); // halves to even in the default rounding mode
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
        refuse(QStringLiteral("Enter a score between -2147483648 and 2147483647."));
        return;
    }
    view_.slots[at] = static_cast<std::int32_t>(whole);
    view_.prompt = prompts()[static_cast<qsizetype>(at) + 1];
    if (view_.prompt == finishedPrompt()) {
        view_.entry = QStringLiteral("0");
        show(kForm1);
    }
}

void PlayerModel::refuse(const QString& text) {
    view_.messageBox = QStringLiteral("Form3: ") + text;
    view_.focus = QStringLiteral("messageBox");
}
