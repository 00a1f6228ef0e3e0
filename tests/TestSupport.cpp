#include "TestSupport.h"

#include "core/Program.h"
#include "core/ProgramState.h"
#include "core/Windows.h"
#include "forms/Forms.h"
#include "ui/Window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

int endCount = 0;
QList<ShownMessage> messages;

} // namespace

void resetProgram(const QString& argumentText) {
    endCount = 0;
    messages.clear();
    programState() = ProgramState{
        .command = argumentText,
        .makeWindow = createForm,
        .end = [] { ++endCount; },
        .showMessage =
            [](QWidget*, const QString& caption, const QString& text) {
                messages.append({caption, text});
            },
        .variables = {},
        .windows = {},
    };
}

void startProgram(const QString& argumentText) {
    resetProgram(argumentText);
    StartProgram();
    QVERIFY(QTest::qWaitForWindowActive(&window(WindowId::Form1)));
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

void typeText(const QString& text) {
    QWidget* target = focusedWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keyClicks(target, text);
}

QAction* menuItem(const char* name) {
    return window(WindowId::Form1).findChild<QAction*>(QString::fromLatin1(name));
}

void clickButton(ui::Window& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString textOf(ui::Window& window, const char* name) {
    const QString objectName = QString::fromLatin1(name);
    if (auto* label = window.findChild<QLabel*>(objectName))
        return label->text();
    if (auto* box = window.findChild<QLineEdit*>(objectName))
        return box->text();
    if (auto* button = window.findChild<QPushButton*>(objectName))
        return button->text();
    return QStringLiteral("<no control %1>").arg(objectName);
}

void setBoxText(ui::Window& window, const char* name, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    box->setText(text);
}

QStringList visibleWindows() {
    QStringList visible;
    const std::pair<WindowId, const char*> all[] = {
        {WindowId::Form1, "Form1"}, {WindowId::Form2, "Form2"}, {WindowId::Form3, "Form3"}};
    for (const auto& [id, name] : all) {
        if (auto* created = existingWindow(id); created && created->isVisible())
            visible.append(QString::fromLatin1(name));
    }
    return visible;
}

int endRequests() {
    return endCount;
}

QList<ShownMessage> shownMessages() {
    return messages;
}
