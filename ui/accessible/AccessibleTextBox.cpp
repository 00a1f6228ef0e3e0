#include "ui/accessible/AccessibleTextBox.h"

#include "ui/accessible/DisplayUnits.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace ui {

AccessibleTextBox::AccessibleTextBox(QLineEdit* box)
    : AccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* AccessibleTextBox::box() const {
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return AccessibleWidget::interface_cast(type);
}

QString AccessibleTextBox::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return box()->text();
    return AccessibleWidget::text(kind);
}

void AccessibleTextBox::setText(QAccessible::Text kind, const QString& text) {
    if (kind == QAccessible::Value && !box()->isReadOnly())
        box()->setText(text);
    else
        AccessibleWidget::setText(kind, text);
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State state = AccessibleWidget::state();
    if (box()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    // A reader says what is selected; of a selection longer than a line it gets the first line.
    *endOffset = std::min(box()->selectionEnd(), *startOffset + kSpokenLineLength);
}

int AccessibleTextBox::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        box()->deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const {
    return box()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString AccessibleTextBox::wholeText() const {
    return box()->text();
}

// A single-line box has one line; only contents longer than kSpokenLineLength have more.
int AccessibleTextBox::lineCount() const {
    return std::max(1, (characterCount() + kSpokenLineLength - 1) / kSpokenLineLength);
}

int AccessibleTextBox::lineOf(int offset) const {
    return std::min(offset / kSpokenLineLength, lineCount() - 1);
}

std::pair<int, int> AccessibleTextBox::lineSpan(int line) const {
    return {line * kSpokenLineLength, std::min((line + 1) * kSpokenLineLength, characterCount())};
}

QRect AccessibleTextBox::characterRect(int offset) const {
    if (offset < 0 || offset > characterCount())
        return QRect();
    // At the end there is no character, but that is where the caret is while typing and where
    // the next character goes: a magnifier following the caret needs a place there too.
    const QString character =
        offset < characterCount() ? text(offset, offset + 1) : QStringLiteral(" ");
    // Measured from the caret, whose place already takes the box's margins and scrolling in.
    // Far from it, where nothing is shown, the width of the measured part stands for the rest,
    // so that a megabyte of text is not measured for one character.
    const QFontMetrics metrics(box()->font());
    const QString contents = box()->text();
    const int caret = box()->cursorPosition();
    // The box's cursor rectangle is wider than the caret by the same amount on either side.
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretX = cursor.left() + cursor.width() / 2;
    const auto advance = [&](int from, int to) {
        constexpr int kMeasured = 1000;
        const int length = to - from;
        const int measured =
            metrics.horizontalAdvance(contents.mid(from, std::min(length, kMeasured)));
        return length <= kMeasured ? measured
                                   : static_cast<int>(qint64(measured) * length / kMeasured);
    };
    const int shift = offset >= caret ? advance(caret, offset) : -advance(offset, caret);
    QRect rect(caretX + shift, (box()->height() - metrics.height()) / 2,
               metrics.horizontalAdvance(character), metrics.height());
    rect.moveTopLeft(box()->mapToGlobal(rect.topLeft()));
    return toDisplayUnits(rect, *box());
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(fromDisplayUnits(point, *box())));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex) {
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset) {
    if (!box()->isReadOnly())
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleTextBox::insertText(int offset, const QString& text) {
    if (box()->isReadOnly())
        return;
    box()->setText(box()->text().insert(offset, text));
    box()->setCursorPosition(offset + static_cast<int>(text.size()));
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text) {
    if (!box()->isReadOnly())
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace ui
