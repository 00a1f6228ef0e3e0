#pragma once

#include "ui/accessible/AccessibleLines.h"

#include "ui/accessible/AccessibleWidget.h"
#include <QTextLayout>

class QLabel;

namespace ui {

// FIXME(Qt 6.4 to 6.11): pinned by theTextAreaIsReadInTheLinesItShows and tst_orca_speech.
// Qt's label interface has no text interface, so Orca's flat review reads a whole page as one line.
// Remove when Qt's label interface gives its text in the lines it shows.
// What a screen reader gets from a label: its caption as its name, as from Qt's own interface,
// and also as text in the lines the label shows, so that a reader can review a page of the
// text area line by line (Orca's flat review) instead of as one piece.
class AccessibleLabel : public AccessibleWidget, public AccessibleLines {
public:
    explicit AccessibleLabel(QLabel* label);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    using AccessibleLines::text;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // QAccessibleTextInterface: the caption, read only, in its shown lines.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}

protected:
    QString wholeText() const override;
    int lineCount() const override;
    int lineOf(int offset) const override;
    std::pair<int, int> lineSpan(int line) const override;

private:
    QLabel* label() const;
    // The caption broken into lines as the label breaks it: at each line feed and, within its
    // width, at word boundaries.
    const QTextLayout& layout() const;

    mutable QTextLayout layout_;
    mutable QString laidOutText_;
    mutable int laidOutWidth_ = -1;
};

} // namespace ui
