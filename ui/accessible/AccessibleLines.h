#pragma once

#include <QAccessibleInterface>

#include <utility>

namespace ui {

// The text interface of a control whose text a reader reads in lines. Answers what a reader
// asks of lines and of the text itself; the control says where its lines are.
class AccessibleLines : public QAccessibleTextInterface {
public:
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    // FIXME(Orca 43): pinned by textBoxesReportOneAttributeRunOverTheirText and tst_orca_speech.
    // Qt's interfaces report empty attribute runs (6.4 to 6.11 alike), after which Orca 43 drops
    // the last character of what it reads ("Comman"); Orca 48 reads on. Remove when Orca 43 is no
    // longer supported or Qt reports one run over unstyled text.
    // The text is in one font and colour: one run of attributes over all of it.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString wholeText() const = 0;
    virtual int lineCount() const = 0;
    // The line an offset from 0 to the text's length is in; the end belongs to the last line.
    virtual int lineOf(int offset) const = 0;
    // Where a line starts and where the next one does.
    virtual std::pair<int, int> lineSpan(int line) const = 0;

private:
    QString line(int index, int* startOffset, int* endOffset) const;
    int lineAtOffset(int offset) const;
};

} // namespace ui
