#include "core/SessionEnd.h"

#include "core/Program.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace {

void endForSession(QSessionManager& manager) {
    manager.setRestartHint(QSessionManager::RestartNever);
    End();
}

} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
#ifndef QT_NO_SESSIONMANAGER
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, endForSession);
    connect(qGuiApp, &QGuiApplication::saveStateRequest, this, endForSession);
#endif
    qGuiApp->installEventFilter(this);
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qGuiApp && event->type() == QEvent::Quit) {
        End();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
