#pragma once

#include <QList>
#include <QStringList>
#include <QtGlobal>

class QAccessibleInterface;
class QObject;

namespace ui {

// How an announcement reaches screen readers: each line as an announcement of its own, said
// whatever has the focus and shown nowhere on the screen.
class AnnouncementTransport {
public:
    // `announcer` is a child of the window whose announcements these are.
    explicit AnnouncementTransport(QObject& announcer);
    ~AnnouncementTransport();

    AnnouncementTransport(const AnnouncementTransport&) = delete;
    AnnouncementTransport& operator=(const AnnouncementTransport&) = delete;

    void send(const QStringList& lines);

    // Hears every announcement as it leaves for the reader, with the window that tells it: the
    // seam through which tests hear what a reader is told, whatever carries it.
    using Listener = void (*)(const QObject& window, const QStringList& lines);
    static void setListener(Listener listener);

    // What a reader gets from the objects that carry announcements; nothing for other objects.
    static QAccessibleInterface* accessibleInterface(QObject* object);

private:
    QObject& announcer_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QList<QObject*> lines_;
#endif
};

} // namespace ui
