#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace platform {

// Another X client may destroy one of the game's windows (xdotool windowclose, XDestroyWindow).
// Qt does not notice and goes on with a window that is gone. This treats the main window's loss
// as the player closing it (the game ends), a message box's as OK on it, and the table's or the
// entry window's as a close through their frame; a window taken that way gets a new one when it
// is shown again.
class ForeignDestroy : public QAbstractNativeEventFilter {
public:
    explicit ForeignDestroy(const QWidget& mainWindow);
    ~ForeignDestroy() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& mainWindow_;
};

} // namespace platform
