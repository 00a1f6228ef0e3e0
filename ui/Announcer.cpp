#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace ui {
namespace {

// One line of an announcement, and the text it shows.
class SpokenLine : public QObject {
public:
    using QObject::QObject;
    QString text;
};

class SpokenText : public QObject {
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
    // Shown while their window is: the events say the lines become showing. They are never
    // drawn, so they take no room on the screen.
    QAccessible::State state() const override {
        QAccessible::State state;
        const QWidget* window = windowOf(object());
        state.invisible = !window || !window->isVisible();
        return state;
    }
    QRect rect() const override { return QRect(); }

private:
    static const QWidget* windowOf(const QObject* object) {
        while (object && !object->isWidgetType())
            object = object->parent();
        return static_cast<const QWidget*>(object);
    }

    QAccessible::Role role_;
};

} // namespace

QAccessibleInterface* Announcer::accessibleInterface(QObject* object) {
    if (dynamic_cast<Announcer*>(object))
        return new AccessibleAnnouncement(object, QAccessible::StatusBar);
    if (dynamic_cast<SpokenLine*>(object))
        return new AccessibleAnnouncement(object, QAccessible::Notification);
    if (dynamic_cast<SpokenText*>(object))
        return new AccessibleAnnouncement(object, QAccessible::StaticText);
    return nullptr;
}

Announcer::Announcer(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("announcer"));
}

void Announcer::announce(const QObject* source, const QString& text) {
    const QString bounded = text.size() > kMaxSpokenLength ? text.left(kMaxSpokenLength) : text;
    const auto same = [source](const auto& entry) { return entry.first == source; };
    pending_.removeIf(same);
    pending_.append({source, bounded});
    if (window_.isActiveWindow())
        schedule();
}

void Announcer::windowActivated() {
    if (!pending_.isEmpty())
        schedule();
}

QStringList Announcer::spokenLines() const {
    QStringList spoken;
    for (const QObject* line : lines_) {
        if (const QString& text = static_cast<const SpokenLine*>(line)->text; !text.isEmpty())
            spoken.append(text);
    }
    return spoken;
}

// Said from the event loop, after whatever the current event still does to the focus.
void Announcer::schedule() {
    if (scheduled_)
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &Announcer::deliver, Qt::QueuedConnection);
}

void Announcer::deliver() {
    scheduled_ = false;
    if (pending_.isEmpty() || !window_.isActiveWindow())
        return;
    // Blank lines are left out: a reader has nothing to say for them.
    QStringList said;
    for (const auto& [source, text] : std::as_const(pending_))
        said.append(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    pending_.clear();
    ++announcements_;
    // Exactly one notification a line: a shorter announcement leaves none of a longer one.
    while (lines_.size() < said.size()) {
        auto* line = new SpokenLine(this);
        new SpokenText(line);
        lines_.append(line);
        QAccessibleEvent created(line, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    while (lines_.size() > said.size()) {
        QObject* line = lines_.takeLast();
        QAccessibleEvent destroyed(line, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&destroyed);
        delete line;
    }
    for (qsizetype i = 0; i < lines_.size(); ++i)
        static_cast<SpokenLine*>(lines_[i])->text = said[i];
    for (qsizetype i = 0; i < said.size(); ++i) {
        QAccessibleEvent event(lines_[i], QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ui
