#include "MainWindowShown.h"

#include "core/Windows.h"
#include "ui/Window.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class MainWindowShown : public QObject {
    Q_OBJECT

public:
    explicit MainWindowShown(std::function<void(QWidget&)> action)
        : QObject(QCoreApplication::instance()), action_(std::move(action)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == existingWindow(WindowId::Form1)) {
            QCoreApplication::instance()->removeEventFilter(this);
            action_(*static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(QWidget&)> action_;
};

} // namespace

void whenMainWindowShown(std::function<void(QWidget& mainWindow)> action) {
    new MainWindowShown(std::move(action));
}

#include "MainWindowShown.moc"
