#pragma once

#include "ui/accessible/AnnouncementTransport.h"

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class QWidget;

namespace ui {

// Tells a screen reader, once, about a change that happens away from the focus, such as a new
// page in a window's text area. Each line is said on its own. What is said while the window is
// not active waits for its activation, after the reader has presented the window and its focus.
// Changes made in one go are said in the order they were made, each source's last change only.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget& window);

    // The window's announcer, made the first time it is asked for.
    static Announcer& of(QWidget& window);

    // `source` is what changed; a second change of it before the first was said replaces it.
    void announce(const QObject* source, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void schedule();
    void deliver();

    QWidget& window_;
    AnnouncementTransport transport_;
    QList<std::pair<const QObject*, QString>> pending_;
    bool scheduled_ = false;
};

} // namespace ui
