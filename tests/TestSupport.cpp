#include "TestSupport.h"

#include "core/ProgramState.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "ui/Style.h"
#include "ui/Window.h"
#include "ui/accessible/AccessibleWidgetFactory.h"
#include "ui/accessible/AnnouncementTransport.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

int endCount = 0;
QHash<QString, Told> told;

void hear(const QObject& window, const QStringList& lines) {
    Told& heard = told[window.objectName()];
    ++heard.times;
    heard.lines = lines;
}
QList<ShownMessage> messages;

void recordMessage(QWidget*, const QString& caption, const QString& text) {
    messages.append({caption, text});
}

const QStringList kWindowNames{QStringLiteral("Form1"), QStringLiteral("Form2"),
                               QStringLiteral("Form3")};

} // namespace

void resetProgram(const QString& argumentText) {
    endCount = 0;
    messages.clear();
    told.clear();
    ui::AnnouncementTransport::setListener(hear);
    programState() = ProgramState{
        .command = argumentText,
        .makeWindow = createForm,
        .end = [] { ++endCount; },
        .showMessage = recordMessage,
        .variables = {},
        .windows = {},
    };
}

void showMainWindow() {
    ui::installStyle();
    ui::installAccessibility();
    ui::Window& main = window(WindowId::Form1);
    main.show();
    main.activateWindow();
}

void startGame(const QString& argumentText) {
    resetProgram(argumentText);
    showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form1"))));
}

QWidget* gameWindow(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && kWindowNames.contains(name))
            return top;
    }
    return nullptr;
}

QString textOf(const QString& window, const QString& name) {
    if (auto* label = control<QLabel>(window, name))
        return label->text();
    if (auto* box = control<QLineEdit>(window, name))
        return box->text();
    if (auto* button = control<QPushButton>(window, name))
        return button->text();
    return QStringLiteral("<no control %1.%2>").arg(window, name);
}

void setBoxText(const QString& window, const QString& name, const QString& text) {
    auto* box = control<QLineEdit>(window, name);
    QVERIFY2(box, qPrintable(window + QLatin1Char('.') + name));
    box->setText(text);
}

QStringList visibleWindows() {
    QStringList visible;
    for (const QString& name : kWindowNames) {
        if (QWidget* top = gameWindow(name); top && top->isVisible())
            visible.append(name);
    }
    return visible;
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return {};
    return focus->window()->objectName() + QLatin1Char('.') + focus->objectName();
}

QWidget* focusedWidget() {
    // A window that was just shown becomes active a moment later, as it does for a player.
    (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000);
    return QApplication::focusWidget();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = focusedWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClick(target, key, modifiers);
}

void pressKeys(const QKeySequence& keys) {
    const QKeyCombination combination = keys[0];
    pressKey(combination.key(), combination.keyboardModifiers());
}

void typeText(const QString& text) {
    QWidget* target = focusedWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClicks(target, text);
}

QAction* menuItem(const QString& name) {
    QWidget* main = gameWindow(QStringLiteral("Form1"));
    return main ? main->findChild<QAction*>(name) : nullptr;
}

bool triggerAction(const QString& name) {
    QAction* item = menuItem(name);
    QString fault;
    if (!item)
        fault = QStringLiteral("no menu item %1").arg(name);
    else if (!item->isVisible())
        fault = QStringLiteral("menu item %1 is hidden").arg(name);
    else if (!item->isEnabled())
        fault = QStringLiteral("menu item %1 is disabled").arg(name);
    if (!fault.isEmpty()) {
        QTest::qFail(qPrintable(fault), __FILE__, __LINE__);
        return false;
    }
    item->trigger();
    return true;
}

void clickButton(const QString& window, const QString& name) {
    auto* button = control<QPushButton>(window, name);
    QVERIFY2(button, qPrintable(window + QLatin1Char('.') + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

bool closeWindow(const QString& window) {
    QWidget* top = gameWindow(window);
    if (!top || !top->windowHandle())
        return false;
    return top->windowHandle()->close();
}

Told toldBy(const QString& window) {
    return told.value(window);
}

int endRequests() {
    return endCount;
}

QList<ShownMessage> shownMessages() {
    return messages;
}
