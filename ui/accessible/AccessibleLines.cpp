#include "ui/accessible/AccessibleLines.h"

#include <algorithm>

namespace ui {

QString AccessibleLines::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return QString();
    return wholeText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLines::characterCount() const {
    return static_cast<int>(wholeText().size());
}

int AccessibleLines::lineAtOffset(int offset) const {
    return lineOf(std::clamp(offset, 0, characterCount()));
}

QString AccessibleLines::line(int index, int* startOffset, int* endOffset) const {
    if (index < 0 || index >= lineCount()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    std::tie(*startOffset, *endOffset) = lineSpan(index);
    return text(*startOffset, *endOffset);
}

QString AccessibleLines::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    return line(lineAtOffset(offset) - 1, startOffset, endOffset);
}

QString AccessibleLines::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    return line(lineAtOffset(offset) + 1, startOffset, endOffset);
}

QString AccessibleLines::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                      int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    return line(lineAtOffset(offset), startOffset, endOffset);
}

QString AccessibleLines::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace ui
