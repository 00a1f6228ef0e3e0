#include "core/AppIcon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace {

class IconAfterFirstFrame : public QObject {
    Q_OBJECT

public:
    explicit IconAfterFirstFrame(QWidget& window) : QObject(&window), window_(window) {
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // The frame goes out in this same dispatch; the icon follows it.
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(appIcon()); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

QIcon builtInAppIcon() {
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(
            QStringLiteral(":/icons/%1-%2.png").arg(QStringLiteral(VORLAKIN_APP_ID)).arg(size));
    return icon;
}

QIcon appIcon() {
    const QIcon fromTheme = QIcon::fromTheme(QStringLiteral(VORLAKIN_APP_ID));
    return fromTheme.isNull() ? builtInAppIcon() : fromTheme;
}

void setAppIconAfterFirstFrame(QWidget& firstWindow) {
    new IconAfterFirstFrame(firstWindow);
}

#include "AppIcon.moc"
