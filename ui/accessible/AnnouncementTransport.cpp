#include "ui/accessible/AnnouncementTransport.h"

#include "ui/accessible/Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QStringList>

namespace ui {
namespace {

AnnouncementTransport::Listener listener = nullptr;

} // namespace

void AnnouncementTransport::setListener(Listener newListener) {
    listener = newListener;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

AnnouncementTransport::AnnouncementTransport(QObject& announcer) : announcer_(announcer) {}

AnnouncementTransport::~AnnouncementTransport() = default;

void AnnouncementTransport::send(const QStringList& lines) {
    if (listener)
        listener(*announcer_.parent(), lines);
    for (const QString& line : lines) {
        QAccessibleAnnouncementEvent event(announcer_.parent(), line);
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* AnnouncementTransport::accessibleInterface(QObject*) {
    return nullptr;
}

#else

// FIXME(Qt 6.4): pinned by announcementsTakeTheWayOfTheRunningQt and tst_orca_speech.
// Qt has no announcement event (QAccessibleAnnouncementEvent came with 6.8). Remove when the oldest
// Qt built with is 6.8, together with this branch.
// The announcer stands in as an undrawn status area of its window, and each line as a
// notification in it: Orca speaks a notification when it is shown, and leaves out the word
// "notification" in a status bar.
namespace {

// One line of an announcement, and the text it shows.
class SpokenLine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    QString text;
};

class SpokenText : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
};

// The announcer is the status area, its lines are the notifications in it, and each line has
// a label that holds its text. Orca speaks a notification when it is shown, leaving out the word
// "notification" in a status bar, and flashes it on a braille display; that flash is made of
// the notification's labels, never of its name, so the text is in the label alone (with the
// name too, the label would be taken for a repeat of it and left out).
class AccessibleAnnouncement : public QAccessibleObject {
public:
    AccessibleAnnouncement(QObject* object, QAccessible::Role role)
        : QAccessibleObject(object), role_(role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int index) const override {
        const QObjectList& children = object()->children();
        if (index < 0 || index >= childCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int childCount() const override {
        return role_ == QAccessible::StaticText ? 0 : static_cast<int>(object()->children().size());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || childCount() == 0)
            return -1;
        return static_cast<int>(object()->children().indexOf(child->object()));
    }
    QString text(QAccessible::Text kind) const override {
        if (role_ == QAccessible::StaticText && kind == QAccessible::Name)
            return static_cast<SpokenLine*>(object()->parent())->text;
        return QString();
    }
    QAccessible::Role role() const override { return role_; }
    // Never drawn, so never showing: with no place on the screen, they claim none, and a walk
    // of what shows meets the page's text once. Orca speaks a notification when the event
    // says it became showing, and reads the labels of one in a status bar whether they show.
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    QRect rect() const override { return QRect(); }

private:
    QAccessible::Role role_;
};

} // namespace

AnnouncementTransport::AnnouncementTransport(QObject& announcer) : announcer_(announcer) {}

// The lines are the announcer's children and go with it.
AnnouncementTransport::~AnnouncementTransport() = default;

void AnnouncementTransport::send(const QStringList& lines) {
    if (listener)
        listener(*announcer_.parent(), lines);
    // Exactly one notification a line: a shorter announcement leaves none of a longer one.
    while (lines_.size() < lines.size()) {
        auto* line = new SpokenLine(&announcer_);
        new SpokenText(line);
        lines_.append(line);
        QAccessibleEvent created(line, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    while (lines_.size() > lines.size()) {
        QObject* line = lines_.takeLast();
        QAccessibleEvent destroyed(line, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
        delete line;
    }
    for (qsizetype i = 0; i < lines_.size(); ++i)
        static_cast<SpokenLine*>(lines_[i])->text = lines[i];
    for (QObject* line : std::as_const(lines_)) {
        QAccessibleEvent event(line, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* AnnouncementTransport::accessibleInterface(QObject* object) {
    if (qobject_cast<Announcer*>(object))
        return new AccessibleAnnouncement(object, QAccessible::StatusBar);
    if (qobject_cast<SpokenLine*>(object))
        return new AccessibleAnnouncement(object, QAccessible::Notification);
    if (qobject_cast<SpokenText*>(object))
        return new AccessibleAnnouncement(object, QAccessible::StaticText);
    return nullptr;
}

#endif

} // namespace ui

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "AnnouncementTransport.moc"
#endif
