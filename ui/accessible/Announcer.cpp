#include "ui/accessible/Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace ui {
namespace {

// One line of an announcement.
class SpokenLine : public QObject {
public:
    using QObject::QObject;
    QString text;
};

// The announcer is the status area and its lines are the notifications in it. Orca speaks a
// notification when it is shown, and leaves out the word "notification" in a status bar.
class AccessibleAnnouncement : public QAccessibleObject {
public:
    AccessibleAnnouncement(QObject* object, QAccessible::Role role)
        : QAccessibleObject(object), role_(role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int index) const override {
        const QObjectList& lines = object()->children();
        if (role_ != QAccessible::StatusBar || index < 0 || index >= lines.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(lines.at(index));
    }
    int childCount() const override {
        return role_ == QAccessible::StatusBar ? static_cast<int>(object()->children().size()) : 0;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (role_ != QAccessible::StatusBar || !child)
            return -1;
        return static_cast<int>(object()->children().indexOf(child->object()));
    }
    QString text(QAccessible::Text kind) const override {
        if (role_ == QAccessible::Notification && kind == QAccessible::Name)
            return static_cast<SpokenLine*>(object())->text;
        return QString();
    }
    QAccessible::Role role() const override { return role_; }
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

QAccessibleInterface* Announcer::accessibleInterface(QObject* object) {
    if (dynamic_cast<Announcer*>(object))
        return new AccessibleAnnouncement(object, QAccessible::StatusBar);
    if (dynamic_cast<SpokenLine*>(object))
        return new AccessibleAnnouncement(object, QAccessible::Notification);
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
    while (lines_.size() < said.size())
        lines_.append(new SpokenLine(this));
    while (lines_.size() > said.size())
        delete lines_.takeLast();
    for (qsizetype i = 0; i < lines_.size(); ++i)
        static_cast<SpokenLine*>(lines_[i])->text = said[i];
    for (qsizetype i = 0; i < said.size(); ++i) {
        QAccessibleEvent event(lines_[i], QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace ui
