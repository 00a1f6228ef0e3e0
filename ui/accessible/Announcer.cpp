#include "ui/accessible/Announcer.h"

#include "ui/accessible/ReadingPolicy.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace ui {

Announcer::Announcer(QWidget& window) : QObject(&window), window_(window), transport_(*this) {
    setObjectName(QStringLiteral("announcer"));
    window.installEventFilter(this);
}

Announcer& Announcer::of(QWidget& window) {
    if (auto* existing = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new Announcer(window);
}

void Announcer::announce(const QObject* source, const QString& text) {
    const QString bounded =
        text.size() > kMaxAnnouncementLength ? text.left(kMaxAnnouncementLength) : text;
    const auto same = [source](const auto& entry) { return entry.first == source; };
    pending_.removeIf(same);
    pending_.append({source, bounded});
    if (window_.isActiveWindow())
        schedule();
}

// What was said while the window was not active waits for its activation.
bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowActivate && !pending_.isEmpty())
        schedule();
    return QObject::eventFilter(watched, event);
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
    transport_.send(said);
}

} // namespace ui

#include "moc_Announcer.cpp"
