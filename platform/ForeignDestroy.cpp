#include "platform/ForeignDestroy.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace platform {

// FIXME(Qt 6.4 to 6.11): pinned by tst_environment's otherClientDestroysAWindow.
// Qt does not notice that another X client destroyed one of its windows, and goes on with a window
// that is gone. Remove when Qt closes a window destroyed under it.
namespace {

QWidget* topLevelWithNativeWindow(WId id) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->internalWinId() == id)
            return widget;
    }
    return nullptr;
}

void windowDestroyed(QWidget* widget, bool mainWindow) {
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        box->done(QMessageBox::Ok);
        return;
    }
    widget->close();
    // The table and the entry window stay for the rest of the run; the next show gives them a
    // native window again.
    if (!mainWindow && widget->windowHandle())
        widget->windowHandle()->destroy();
}

} // namespace

ForeignDestroy::ForeignDestroy(const QWidget& mainWindow) : mainWindow_(mainWindow) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ForeignDestroy::~ForeignDestroy() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool ForeignDestroy::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    // Qt's own destruction of a window comes back here too, once the widget has let go of it.
    if (QWidget* widget = topLevelWithNativeWindow(destroyed->window))
        windowDestroyed(widget, widget == &mainWindow_);
    return false;
}

} // namespace platform
