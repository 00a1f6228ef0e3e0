#pragma once

#include "ui/accessible/AccessibleWidget.h"

class QAbstractButton;
class QLabel;

namespace ui {

// What a screen reader gets from a push button: Qt's button, in the display server's unit.
// A message box's text names its button its buddy: Orca shows a focused button on a braille
// display with its label, and nothing else of the box; labelled so, the message reaches braille
// too, and speech still says it once (with the button, no longer also as the box's loose text).
class AccessibleButton : public AccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
#if QT_VERSION < QT_VERSION_CHECK(6, 11, 0)
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
#endif

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAbstractButton* button() const;
#if QT_VERSION < QT_VERSION_CHECK(6, 11, 0)
    // FIXME(Qt 6.4, Qt 6.8): pinned by tst_screen_reader's aMessageLabelsItsButton.
    // Qt looks for a widget's labelling buddy among its siblings only, and a message box's text is
    // not its button's sibling. Remove when the oldest Qt built with is 6.11.
    QLabel* message() const;
#endif
};

} // namespace ui
