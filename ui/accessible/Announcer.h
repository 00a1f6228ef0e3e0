#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class QAccessibleInterface;
class QWidget;

namespace ui {

// Tells a screen reader, once, about a change that happens away from the focus, such as a new
// page in a window's text area. It reaches the reader as notifications in a status area of the
// window, neither of which is drawn, one notification a line so that each line is said on its
// own. What is said while the window is not active waits for its activation, after the reader
// has presented the window and its focus. Changes made in one go are said in the order they
// were made, each source's last change only.
class Announcer : public QObject {
public:
    // At most this many characters are said of one announcement.
    static constexpr int kMaxSpokenLength = 4000;

    explicit Announcer(QWidget& window);

    // `source` is what changed; a second change of it before the first was said replaces it.
    void announce(const QObject* source, const QString& text);
    // The window has just become active.
    void windowActivated();

    // For tests: the lines the reader was told last, and how many announcements there were.
    QStringList spokenLines() const;
    int announcementCount() const { return announcements_; }

    // What a reader gets from an announcer and its lines; nothing for other objects.
    static QAccessibleInterface* accessibleInterface(QObject* object);

private:
    void schedule();
    void deliver();

    QWidget& window_;
    QList<QObject*> lines_;
    QList<std::pair<const QObject*, QString>> pending_;
    bool scheduled_ = false;
    int announcements_ = 0;
};

} // namespace ui
