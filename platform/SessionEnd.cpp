#include "platform/SessionEnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace platform {

SessionEnd::SessionEnd(QObject* parent, std::function<void()> end)
    : QObject(parent), end_(std::move(end)) {
#ifndef QT_NO_SESSIONMANAGER
    const auto endForSession = [this](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
        end_();
    };
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, endForSession);
    connect(qGuiApp, &QGuiApplication::saveStateRequest, this, endForSession);
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
