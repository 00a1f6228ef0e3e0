#pragma once

#include <QObject>

class QWidget;

// Waits until a top-level window has been exposed and its first frame painted, notes this
// process's figures then, lets the program run on for VORLAKIN_BENCH_IDLE_MS milliseconds (0 when
// unset: whatever the program left for after its first frame is then not counted), and prints
// both on one line of standard output before it ends the event loop:
//   wall_us=<since VORLAKIN_BENCH_T0> cpu_us=<user+system> rss_kb=<peak> size=<w>x<h>
//   idle_cpu_us=<user+system at the end> idle_rss_kb=<peak at the end>
// VORLAKIN_BENCH_T0 is the launch time as bash's EPOCHREALTIME gives it (seconds.microseconds);
// without it wall_us is -1.
class FirstFrame : public QObject {
    Q_OBJECT

public:
    explicit FirstFrame(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void noteFrame();
    void report();

    QWidget& window_;
    bool painted_ = false;
    long long frameWallMicros_ = -1;
    long long frameCpuMicros_ = 0;
    long frameRssKb_ = 0;
};
