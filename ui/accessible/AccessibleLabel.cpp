#include "ui/accessible/AccessibleLabel.h"

#include "ui/accessible/DisplayUnits.h"

#include <QLabel>
#include <QTextLine>

#include <algorithm>

namespace ui {

AccessibleLabel::AccessibleLabel(QLabel* label)
    : AccessibleWidget(label, QAccessible::StaticText) {}

QLabel* AccessibleLabel::label() const {
    return static_cast<QLabel*>(widget());
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleWidget::interface_cast(type);
}

QString AccessibleLabel::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return AccessibleWidget::text(kind);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
AccessibleLabel::relations(QAccessible::Relation match) const {
    // A prompt names its entry box.
    return withBuddy(AccessibleWidget::relations(match), match, *label());
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

QString AccessibleLabel::wholeText() const {
    return label()->text();
}

int AccessibleLabel::lineCount() const {
    return layout().lineCount();
}

int AccessibleLabel::lineOf(int offset) const {
    const QTextLine line = layout().lineForTextPosition(offset);
    return line.isValid() ? line.lineNumber() : lineCount() - 1;
}

std::pair<int, int> AccessibleLabel::lineSpan(int line) const {
    const QTextLine shown = layout().lineAt(line);
    return {shown.textStart(), shown.textStart() + shown.textLength()};
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
    return toDisplayUnits(rect, *label());
}

int AccessibleLabel::offsetAtPoint(const QPoint& point) const {
    const QPointF inLayout = label()->mapFromGlobal(fromDisplayUnits(point, *label())) -
                             label()->contentsRect().topLeft();
    const QTextLayout& shown = layout();
    for (int i = 0; i < shown.lineCount(); ++i) {
        const QTextLine line = shown.lineAt(i);
        if (inLayout.y() >= line.y() && inLayout.y() < line.y() + line.height())
            return line.xToCursor(inLayout.x());
    }
    return -1;
}

} // namespace ui
