#include "FirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr long long kMicrosPerSecond = 1'000'000;

long long launchMicros() {
    // Seconds and microseconds are read apart: a double cannot hold both exactly.
    const char* text = std::getenv("VORLAKIN_BENCH_T0");
    if (!text || !*text)
        return -1;
    char* rest = nullptr;
    const long long seconds = std::strtoll(text, &rest, 10);
    if (*rest != '.' && *rest != ',') // bash writes the locale's decimal separator
        return -1;
    const long long micros = std::strtoll(rest + 1, nullptr, 10);
    return seconds * kMicrosPerSecond + micros;
}

long long nowMicros() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * kMicrosPerSecond + now.tv_nsec / 1000;
}

long long micros(const timeval& time) {
    return time.tv_sec * kMicrosPerSecond + time.tv_usec;
}

int idleMillis() {
    const char* text = std::getenv("VORLAKIN_BENCH_IDLE_MS");
    return text ? std::max(0, std::atoi(text)) : 0;
}

rusage usageNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

} // namespace

FirstFrame::FirstFrame(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    // A window that never paints would leave the benchmark waiting for ever.
    QTimer::singleShot(30'000, this, [] {
        std::fprintf(stderr, "no first frame within 30 s\n");
        QCoreApplication::exit(2);
    });
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The window's paint event opens the frame; its children and the flush to the screen
        // follow in the same dispatch, so a zero timer fires once the frame is out.
        QTimer::singleShot(0, this, [this] {
            noteFrame();
            QTimer::singleShot(idleMillis(), this, [this] { report(); });
        });
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrame::noteFrame() {
    const long long launch = launchMicros();
    frameWallMicros_ = launch < 0 ? -1 : nowMicros() - launch;
    const rusage usage = usageNow();
    frameCpuMicros_ = micros(usage.ru_utime) + micros(usage.ru_stime);
    frameRssKb_ = usage.ru_maxrss;
}

void FirstFrame::report() {
    const rusage usage = usageNow();
    std::printf("wall_us=%lld cpu_us=%lld rss_kb=%ld size=%dx%d idle_cpu_us=%lld idle_rss_kb=%ld\n",
                frameWallMicros_, frameCpuMicros_, frameRssKb_, window_.width(), window_.height(),
                micros(usage.ru_utime) + micros(usage.ru_stime), usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
