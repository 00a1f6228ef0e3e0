#pragma once

#include <QAccessibleWidget>

class QAbstractButton;
class QLabel;

namespace ui {

// FIXME(Qt 6.4, Qt 6.8): Qt looks for a widget's labelling buddy among its siblings only, and a message box's text is not the sibling of its button. Remove when Qt relates a buddy wherever it sits in the window; pinned by tst_screen_reader's aMessageLabelsItsButton.
// What a screen reader gets from a button of a message box: the button, labelled by the message
// when the message names it its buddy. Orca shows a focused button on a braille display with its
// label, and nothing else of the box; labelled so, the message reaches braille too, and speech
// still says it once (with the button, no longer also as the box's loose text).
class AccessibleMessageButton : public QAccessibleWidget {
public:
    explicit AccessibleMessageButton(QAbstractButton* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;
    // The label in the box that names this button its buddy.
    QLabel* message() const;
};

} // namespace ui
