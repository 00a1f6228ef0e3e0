#include "ui/AccessibleLabel.h"

#include <QLabel>
#include <QTextLine>

#include <algorithm>

namespace ui {

AccessibleLabel::AccessibleLabel(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QLabel* AccessibleLabel::label() const {
    return static_cast<QLabel*>(widget());
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLabel::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(kind);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleLabel::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    // A prompt names its entry box.
    if (match & QAccessible::Labelled) {
        if (auto* box = QAccessible::queryAccessibleInterface(label()->buddy()))
            related.append({box, QAccessible::Labelled});
    }
    return related;
}

const QTextLayout& AccessibleLabel::layout() const {
    const QString caption = label()->text();
    const int width = label()->contentsRect().width();
    if (caption == laidOutText_ && width == laidOutWidth_)
        return layout_;
    laidOutText_ = caption;
    laidOutWidth_ = width;
    QString shown = caption;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout_.setText(shown);
    layout_.setFont(label()->font());
    QTextOption option(label()->alignment());
    option.setWrapMode(label()->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout_.setTextOption(option);
    layout_.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout_.endLayout();
    return layout_;
}

void AccessibleLabel::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

QString AccessibleLabel::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return QString();
    return label()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const {
    return static_cast<int>(label()->text().size());
}

QString AccessibleLabel::lineText(int line, int* startOffset, int* endOffset) const {
    const QTextLine shown = layout().lineAt(line);
    if (!shown.isValid()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = shown.textStart();
    *endOffset = shown.textStart() + shown.textLength();
    return text(*startOffset, *endOffset);
}

QString AccessibleLabel::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    const QTextLine line = layout().lineForTextPosition(std::min(offset, characterCount()));
    return lineText(line.isValid() ? line.lineNumber() - 1 : -1, startOffset, endOffset);
}

QString AccessibleLabel::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    const QTextLine line = layout().lineForTextPosition(std::min(offset, characterCount()));
    return lineText(line.isValid() ? line.lineNumber() + 1 : -1, startOffset, endOffset);
}

QString AccessibleLabel::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                      int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    const QTextLine line = layout().lineForTextPosition(std::clamp(offset, 0, characterCount()));
    return lineText(line.isValid() ? line.lineNumber() : -1, startOffset, endOffset);
}

QRect AccessibleLabel::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount())
        return QRect();
    const QTextLine line = layout().lineForTextPosition(offset);
    if (!line.isValid())
        return QRect();
    const qreal left = line.cursorToX(offset);
    const qreal right = offset + 1 < line.textStart() + line.textLength()
                            ? line.cursorToX(offset + 1)
                            : line.x() + line.naturalTextWidth();
    const QPointF topLeft = QPointF(left, line.y()) + label()->contentsRect().topLeft();
    QRect rect =
        QRectF(topLeft, QSizeF(std::max<qreal>(right - left, 1), line.height())).toAlignedRect();
    rect.moveTopLeft(label()->mapToGlobal(rect.topLeft()));
    return rect;
}

int AccessibleLabel::offsetAtPoint(const QPoint& point) const {
    const QPointF inLayout = label()->mapFromGlobal(point) - label()->contentsRect().topLeft();
    const QTextLayout& shown = layout();
    for (int i = 0; i < shown.lineCount(); ++i) {
        const QTextLine line = shown.lineAt(i);
        if (inLayout.y() >= line.y() && inLayout.y() < line.y() + line.height())
            return line.xToCursor(inLayout.x());
    }
    return -1;
}

QString AccessibleLabel::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace ui
