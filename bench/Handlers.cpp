// The cost of the game's commands: each menu item of the main window and the entry window's
// OK, dispatched through the real windows many times (argument: how many, 10000 by default).
// Prints per command the median and 99th percentile in microseconds of the handler alone, and
// of the handler together with the events it leaves behind (repaints, window switches).
#include "core/ProgramState.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "platform/DesktopFont.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Style.h"
#include "ui/TextBox.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleWidgetFactory.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int runs = 10'000;

double micros(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

struct Percentiles {
    double median;
    double p99;
};

Percentiles percentiles(std::vector<double>& samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double fraction) {
        const auto rank = static_cast<std::size_t>(std::ceil(fraction * samples.size()));
        return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
    };
    return {at(0.5), at(0.99)};
}

void drainEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// `prepare` puts the windows into the state the command starts from and is not timed.
void measure(const QString& name, const std::function<void()>& prepare,
             const std::function<void()>& dispatch) {
    std::vector<double> handler;
    std::vector<double> withEvents;
    handler.reserve(runs);
    withEvents.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        prepare();
        drainEvents();
        const auto start = Clock::now();
        dispatch();
        const auto handled = Clock::now();
        drainEvents();
        const auto settled = Clock::now();
        handler.push_back(micros(handled - start));
        withEvents.push_back(micros(settled - start));
    }
    const Percentiles alone = percentiles(handler);
    const Percentiles settled = percentiles(withEvents);
    std::printf("%-40s %9.1f %9.1f %9.1f %9.1f\n", name.toUtf8().constData(), alone.median,
                alone.p99, settled.median, settled.p99);
    std::fflush(stdout);
}

void showOnly(WindowId id) {
    for (const auto other : {WindowId::Form1, WindowId::Form2, WindowId::Form3}) {
        if (other == id)
            continue;
        if (auto* shown = existingWindow(other); shown && shown->isVisible())
            SwitchWindow(other, id);
    }
    if (!window(id).isVisible())
        SwitchWindow(WindowId::Form1, id);
}

void measureAll() {
    ui::Window& main = window(WindowId::Form1);
    auto* page = main.findChild<ui::Label*>(QStringLiteral("Label1"));
    auto* command = main.findChild<ui::TextBox*>(QStringLiteral("Text1"));
    QElapsedTimer waited;
    waited.start();
    while (!(main.windowHandle() && main.windowHandle()->isExposed()) && waited.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    std::printf("%-40s %9s %9s %9s %9s\n", "command (microseconds)", "median", "p99", "+events",
                "p99");
    const auto* bar = main.findChild<QMenuBar*>();
    for (QAction* menuAction : bar->actions()) {
        for (QAction* item : menuAction->menu()->actions()) {
            // Blank text first, so that every command really changes what the window shows.
            measure(
                menuAction->text() + QStringLiteral(" > ") + item->text(),
                [page, command] {
                    showOnly(WindowId::Form1);
                    page->setCaption(QString());
                    command->setText(QString());
                },
                [item] { item->trigger(); });
        }
    }

    // OK in the entry window, a whole round: five scores, highest first, then OK once more
    // after the last, which goes back to the main window.
    ui::Window& entry = window(WindowId::Form3);
    auto* prompt = entry.findChild<ui::Label*>(QStringLiteral("Label1"));
    auto* box = entry.findChild<ui::TextBox*>(QStringLiteral("Text1"));
    auto* ok = entry.findChild<ui::Button*>(QStringLiteral("Command1"));
    const QString firstPrompt = prompt->caption();
    const QString scores[] = {QStringLiteral("1000"), QStringLiteral("800"), QStringLiteral("600"),
                              QStringLiteral("400"),  QStringLiteral("200"), QStringLiteral("0")};
    int step = 0;
    measure(
        QStringLiteral("Form3 OK, accepted (round of 6)"),
        [&] {
            if (step == 0)
                prompt->setCaption(firstPrompt);
            showOnly(WindowId::Form3);
            box->setText(scores[step]);
            step = (step + 1) % 6;
        },
        [&] { ok->click(); });
    measure(
        QStringLiteral("Form3 OK, refused text"),
        [&] {
            prompt->setCaption(firstPrompt);
            showOnly(WindowId::Form3);
            box->setText(QStringLiteral("many"));
        },
        [&] { ok->click(); });

    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::atoi(argv[1]) > 0)
        runs = std::atoi(argv[1]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // End Game and the refusal's message box would stop the measurement; both become no-ops.
    programState().makeWindow = createForm;
    programState().end = [] {};
    programState().showMessage = [](QWidget*, const QString&, const QString&) {};
    // The game's start as main() makes it, less the process's guards and the icon, which no
    // command's cost depends on.
    platform::resolveDesktopFont();
    ui::installStyle();
    ui::installAccessibility();
    window(WindowId::Form1).show();
    QTimer::singleShot(0, measureAll);
    const int status = QApplication::exec();
    releaseWindows();
    return status;
}
