#pragma once

class QObject;

namespace ui {

// Gives the windows, labels, text boxes and menu items the interfaces screen readers get from them.
// Runs once, before the first window is made.
void installAccessibleInterfaces();

// Has the interface of `object` made again on the next request: for an object that screen
// readers first met, as it was being made, before it was what it is now.
void remakeAccessibleInterface(QObject& object);

// While one exists, the text box's own reports of its changing text do not reach screen
// readers; what a reader should hear of the change is told otherwise.
class QuietTextChange {
public:
    explicit QuietTextChange(QObject& textBox);
    ~QuietTextChange();

    QuietTextChange(const QuietTextChange&) = delete;
    QuietTextChange& operator=(const QuietTextChange&) = delete;

private:
    QObject& textBox_;
};

} // namespace ui
