#include "ui/AccessibleTextBox.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace ui {

AccessibleTextBox::AccessibleTextBox(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* AccessibleTextBox::box() const {
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleTextBox::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(kind);
}

void AccessibleTextBox::setText(QAccessible::Text kind, const QString& text) {
    if (kind == QAccessible::Value && !box()->isReadOnly())
        box()->setText(text);
    else
        QAccessibleWidget::setText(kind, text);
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
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

QString AccessibleTextBox::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return QString();
    return box()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleTextBox::lineAt(int line, int* startOffset, int* endOffset) const {
    const int length = characterCount();
    *startOffset = std::clamp(line * kSpokenLineLength, 0, length);
    *endOffset = std::min(*startOffset + kSpokenLineLength, length);
    return text(*startOffset, *endOffset);
}

// A single-line box has one line; only contents longer than kSpokenLineLength have more.
QString AccessibleTextBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                            int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    const int line = offset / kSpokenLineLength - 1;
    if (line < 0) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return lineAt(line, startOffset, endOffset);
}

QString AccessibleTextBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                           int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    const int line = offset / kSpokenLineLength + 1;
    if (line * kSpokenLineLength >= characterCount()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return lineAt(line, startOffset, endOffset);
}

QString AccessibleTextBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                        int* startOffset, int* endOffset) const {
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        // The end of the text belongs to the last line.
        const int last = std::max(0, (characterCount() - 1) / kSpokenLineLength);
        return lineAt(std::min(std::max(offset, 0) / kSpokenLineLength, last), startOffset,
                      endOffset);
    }
    if (boundary == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = characterCount();
        return box()->text();
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
}

int AccessibleTextBox::characterCount() const {
    return static_cast<int>(box()->text().size());
}

QRect AccessibleTextBox::characterRect(int offset) const {
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return QRect();
    // Measured from the caret, whose place already takes the box's margins and scrolling in.
    const QFontMetrics metrics(box()->font());
    const QString contents = box()->text();
    const int caret = box()->cursorPosition();
    const int caretX = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    const int shift = offset >= caret
                          ? metrics.horizontalAdvance(contents.mid(caret, offset - caret))
                          : -metrics.horizontalAdvance(contents.mid(offset, caret - offset));
    QRect rect(caretX + shift, (box()->height() - metrics.height()) / 2,
               metrics.horizontalAdvance(character), metrics.height());
    rect.moveTopLeft(box()->mapToGlobal(rect.topLeft()));
    return rect;
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex) {
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const {
    Q_UNUSED(offset);
    // The whole text is in one font and colour.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
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
