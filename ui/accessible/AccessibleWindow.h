#pragma once

#include "ui/accessible/AccessibleWidget.h"

namespace ui {

class Window;

// What a screen reader gets from a window: a window, whose caption it announces (a plain
// top-level widget reaches it as a filler), with its controls and, last, the status area of
// its announcer among its children, so that the tree has everything the window tells.
class AccessibleWindow : public AccessibleWidget {
public:
    explicit AccessibleWindow(Window* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QAccessibleInterface* announcer() const;
};

} // namespace ui
