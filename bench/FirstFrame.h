#pragma once

#include <QObject>

class QWidget;

// Waits until a top-level window has been exposed and its first frame painted, then prints
// this process's start-up figures on one line of standard output and ends the event loop:
//   wall_us=<since VORLAKIN_BENCH_T0> cpu_us=<user+system> rss_kb=<peak> size=<w>x<h>
// VORLAKIN_BENCH_T0 is the launch time as bash's EPOCHREALTIME gives it (seconds.microseconds);
// without it wall_us is -1.
class FirstFrame : public QObject {
    Q_OBJECT

public:
    explicit FirstFrame(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    QWidget& window_;
    bool painted_ = false;
};
