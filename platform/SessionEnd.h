#pragma once

#include <QObject>

#include <functional>

namespace platform {

// Ends the game at once (`end`) when the desktop session ends, whatever window is open, and asks
// the session manager not to start it again: nothing is kept from a run, so a restored game would
// only be a new one with the session manager's arguments in its command box.
//
// On X11 the session manager asks to save (commitDataRequest, saveStateRequest) at a logout, but
// also at a checkpoint ("save session now") and at a logout that is cancelled afterwards, and Qt
// does not say which: a save leaves the game running. The session's end is the manager's "die",
// which Qt turns into a Quit event for the application. Qt would answer that Quit by closing every
// window, which the table and the entry window take as a way back to the main window, and the
// game would run on. Wayland has no session protocol of its own: the compositor
// ends, and with it the connection (see DisplayLoss.h).
class SessionEnd : public QObject {
    Q_OBJECT

public:
    SessionEnd(QObject* parent, std::function<void()> end);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> end_;
};

} // namespace platform
