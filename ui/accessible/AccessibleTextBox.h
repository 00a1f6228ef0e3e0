#pragma once

#include "ui/accessible/AccessibleLines.h"
#include "ui/accessible/ReadingPolicy.h"

#include <QAccessibleWidget>

class QLineEdit;

namespace ui {

// What a screen reader gets from a text box. Qt's own interface reports the text's attributes as
// empty runs, and Orca then drops the last character of the line it reads ("Comman", and
// nothing at all for "0"); this one reports one run over the whole text. Very long contents are
// read in lines of at most kSpokenLineLength characters, and a selection is reported no longer
// than that, so that what a reader says of the box stays short whatever the command line put
// there.
class AccessibleTextBox : public QAccessibleWidget,
                          public AccessibleLines,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    using AccessibleLines::text;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;
    QRect rect() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString wholeText() const override;
    int lineCount() const override;
    int lineOf(int offset) const override;
    std::pair<int, int> lineSpan(int line) const override;

private:
    QLineEdit* box() const;
};

} // namespace ui
