#pragma once

class QObject;

namespace ui {

// While one exists, the text box's own reports of its changing text, caret and selection do not
// reach screen readers; what a reader should hear of the change is told otherwise. They nest,
// also for one box.
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
