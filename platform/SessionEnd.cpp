#include "platform/SessionEnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace platform {

SessionEnd::SessionEnd(QObject* parent, std::function<void()> end)
    : QObject(parent), end_(std::move(end)) {
#ifndef QT_NO_SESSIONMANAGER
    // A save is no end: checkpoints and logouts that are cancelled later ask for one too, and Qt
    // does not tell them apart. Each save only carries the hint.
    const auto neverRestart = [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    };
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, neverRestart);
    connect(qGuiApp, &QGuiApplication::saveStateRequest, this, neverRestart);
#endif
    qGuiApp->installEventFilter(this);
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qGuiApp && event->type() == QEvent::Quit) {
        end_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform

#include "moc_SessionEnd.cpp"
