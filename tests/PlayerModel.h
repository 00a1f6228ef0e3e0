#pragma once

#include "PlayStep.h"
#include "PlayerView.h"

// The game as its player is promised it, kept apart from the program: what each step must
// change on screen and in the scores.
class PlayerModel {
public:
    explicit PlayerModel(const QString& argumentText = QString());

    // Whether the step means anything in the present state; a step that does not is passed
    // over, by the model and by the player alike.
    bool applies(const PlayStep& step) const;
    void play(const PlayStep& step);

    const PlayerView& view() const { return view_; }
    bool ended() const { return view_.ends > 0; }
    QString front() const { return view_.visible.value(0); }
    bool boxFocused() const;
    bool messageBoxOpen() const { return !view_.messageBox.isEmpty(); }
    int step() const; // scores entered so far, 0 to 5

private:
    void command(const QString& itemName);
    void show(const QString& window);
    void pressOk();
    void refuse(const QString& text);
    void setFocus(const QString& control);
    QString& focusedText();
    void tableFromSlots();

    QString argumentText_;
    PlayerView view_;
    QString mainFocus_ = QStringLiteral("Text1");
};
