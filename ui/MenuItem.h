#pragma once

#include <QAction>

namespace ui {

// An item of one of the windows' drop-down menus. Its own type lets the accessibility layer tell
// it from the menu bar's entries.
class MenuItem : public QAction {
public:
    using QAction::QAction;
};

} // namespace ui
