#pragma once

class QObject;

namespace ui {

// Gives the windows, labels, text boxes and menu items the interfaces screen readers get from them.
// Runs once, before the first window is made.
void installAccessibleInterfaces();

// While one exists, the text box's own reports of its changing text do not reach screen
// readers; the change is announced in their place.
class QuietTextChange {
public:
    explicit QuietTextChange(QObject& textBox);
    ~QuietTextChange();

    QuietTextChange(const QuietTextChange&) = delete;
    QuietTextChange& operator=(const QuietTextChange&) = delete;
};

} // namespace ui
