#pragma once

#include "ui/accessible/AccessibleLines.h"
#include "ui/accessible/ReadingPolicy.h"

#include "ui/accessible/AccessibleWidget.h"

class QLineEdit;

namespace ui {

// What a screen reader gets from a text box: its text in one run of attributes (see
// AccessibleLines), in lines of at most kSpokenLineLength characters, and a selection no longer
// than that, so that what a reader says of the box stays short whatever the command line put
// there.
class AccessibleTextBox : public AccessibleWidget,
                          public AccessibleLines,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    using AccessibleLines::text;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;

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
