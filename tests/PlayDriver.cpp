#include "PlayDriver.h"

#include "TestSupport.h"

#include "core/Program.h"
#include "core/ProgramState.h"
#include "core/Windows.h"
#include "core/modVariables.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/main/TextPages.h"
#include "forms/scores/Form2.h"
#include "forms/scores/Form3.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

using Action = PlayEvent::Action;

const QStringList kPrompts{
    QStringLiteral("Enter the first high score."), QStringLiteral("Enter the second high score."),
    QStringLiteral("Enter the third high score."), QStringLiteral("Enter the fourth high score."),
    QStringLiteral("Enter the last high score."),  QStringLiteral("You can't change the scores."),
};

const QString kForm1 = QStringLiteral("Form1");
const QString kForm2 = QStringLiteral("Form2");
const QString kForm3 = QStringLiteral("Form3");

QStringList& caughtMessages() {
    static QStringList messages;
    return messages;
}

QtMessageHandler previousHandler = nullptr;

// What Qt says about the machine rather than the program: the offscreen platform's note
// whenever a window is raised or resized (a desktop's platform does both), and the font
// engine's on meeting a script that no installed font shapes. Anything else fails, whether
// the program warns itself or misuses Qt.
bool isAboutTheMachine(const QString& text) {
    return text.startsWith(QLatin1String("This plugin does not support")) ||
           text.contains(QLatin1String("OpenType support missing for"));
}

void catchMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) &&
        !isAboutTheMachine(text))
        caughtMessages().append(text);
    if (previousHandler)
        previousHandler(type, context, text);
}

ui::Window* windowNamed(const QString& name) {
    if (name == kForm1)
        return existingWindow(WindowId::Form1);
    if (name == kForm2)
        return existingWindow(WindowId::Form2);
    if (name == kForm3)
        return existingWindow(WindowId::Form3);
    return nullptr;
}

std::array<std::int32_t, 5> currentSlots() {
    return {modVariables.HighScore1, modVariables.HighScore2, modVariables.HighScore3,
            modVariables.HighScore4, modVariables.HighScore5};
}

QString slotsText(const std::array<std::int32_t, 5>& slots) {
    QStringList texts;
    for (const auto value : slots)
        texts.append(QString::number(value));
    return texts.join(QLatin1Char(' '));
}

bool isPage(const QString& text) {
    return text == TextPages::welcome() || text == TextPages::story() ||
           text == TextPages::characters() || text == TextPages::howToPlay() ||
           text == TextPages::about();
}

} // namespace

PlayDriver::PlayDriver() {
    qApp->installEventFilter(this);
}

PlayDriver::~PlayDriver() {
    qApp->removeEventFilter(this);
}

void PlayDriver::watchMessages() {
    previousHandler = qInstallMessageHandler(catchMessage);
}

void PlayDriver::start() {
    resetProgram();
    // The real message box, answered by this driver as it comes up.
    programState().showMessage = {};
    QGuiApplication::clipboard()->clear();
    StartProgram();
    (void)QTest::qWaitForWindowActive(&window(WindowId::Form1), 2000);
    watchedEntryOk_.clear();
}

PlayEventSource::View PlayDriver::view() const {
    const Snapshot now = snapshot();
    return {now.front, now.step < 0 ? 0 : now.step, now.slots};
}

PlayDriver::Snapshot PlayDriver::snapshot() const {
    Snapshot now;
    now.front = visibleWindows().value(0);
    now.slots = currentSlots();
    if (auto* entry = existingWindow(WindowId::Form3))
        now.step =
            static_cast<int>(kPrompts.indexOf(static_cast<Form3*>(entry)->Label1->caption()));
    return now;
}

QString PlayDriver::play(const PlayEvent& event) {
    ++counts_.events;
    if (auto* entry = existingWindow(WindowId::Form3); entry && !watchedEntryOk_) {
        auto* ok = static_cast<Form3*>(entry)->Command1;
        connect(ok, &QPushButton::clicked, this, &PlayDriver::onEntryOk);
        watchedEntryOk_ = ok;
    }
    const Snapshot before = snapshot();
    const int endsBefore = endRequests();
    entryOkPresses_ = 0;
    boxesThisEvent_ = 0;
    boxFailure_.clear();
    caughtMessages().clear();
    currentAnswer_ = event.answer;

    if (!act(event, before.front))
        ++counts_.skipped;
    QCoreApplication::processEvents();
    actAsWindowManager();

    QString failure = boxFailure_;
    if (failure.isEmpty() && !caughtMessages().isEmpty())
        failure = QStringLiteral("[warning] %1").arg(caughtMessages().join(QStringLiteral(" | ")));

    // End would take the process down here: check that it came from the right place, then
    // carry on as a new process.
    const int ends = endRequests() - endsBefore;
    const bool mustEnd =
        before.front == kForm1 &&
        ((event.action == Action::MenuClick && event.item == kEndGameItem) ||
         (event.action == Action::Accelerator && event.item == kEndGameAccelerator) ||
         event.action == Action::FrameClose);
    if (failure.isEmpty() && ends > 1)
        failure = QStringLiteral("[end] End ran %1 times for one event").arg(ends);
    if (failure.isEmpty() && ends > 0 && !mustEnd)
        failure =
            QStringLiteral("[end] the program would have ended with %1 in front").arg(before.front);
    if (failure.isEmpty() && ends == 0 && mustEnd)
        failure = QStringLiteral("[end] the program would not have ended");
    if (failure.isEmpty() && ends == 0)
        failure = check(event, before, entryOkPresses_);
    if (failure.isEmpty() && ends > 0) {
        ++counts_.ends;
        start();
    }
    return failure;
}

bool PlayDriver::act(const PlayEvent& event, const QString& front) {
    ui::Window* frontWindow = windowNamed(front);
    if (!frontWindow)
        return false;
    switch (event.action) {
    case Action::MenuClick: {
        if (front != kForm1)
            return false;
        auto* bar = frontWindow->findChild<QMenuBar*>();
        QAction* item = menuItem(kMenuItems[event.item].name);
        auto* menu = qobject_cast<QMenu*>(item->parent());
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
            boxFailure_ = QStringLiteral("[menu] %1 did not open").arg(menu->title());
            return true;
        }
        // A player's hand takes a moment from the bar to the item; the window system shows the
        // popup meanwhile. Clicking before that leaves the offscreen platform with a hidden
        // popup as its focus window, which no desktop does.
        QCoreApplication::processEvents();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000))
            boxFailure_ = QStringLiteral("[menu] %1 stayed open").arg(menu->title());
        return true;
    }
    case Action::Accelerator:
        pressKeys(kAccelerators[event.item]);
        return true;
    case Action::Go:
    case Action::Ok: {
        if ((event.action == Action::Go) != (front == kForm1))
            return false;
        auto* button = frontWindow->findChild<QPushButton*>(QStringLiteral("Command1"));
        if (event.how == 0) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->setFocus(Qt::TabFocusReason);
            const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
            QTest::keyClick(button, keys[event.how - 1],
                            event.how == 3 ? Qt::KeypadModifier : Qt::NoModifier);
        }
        return true;
    }
    case Action::EnterInBox:
        if (!focusBox(front))
            return false;
        pressKeys(event.how == 0 ? QKeyCombination(Qt::Key_Return)
                                 : QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter));
        return true;
    case Action::Type:
        if (!focusBox(front))
            return false;
        if (event.how == 1) {
            pressKeys(Qt::Key_Home);
            pressKeys(Qt::SHIFT | Qt::Key_End);
        }
        sendText(event.text);
        return true;
    case Action::Paste:
        if (!focusBox(front))
            return false;
        QGuiApplication::clipboard()->setText(event.text);
        pressKeys(Qt::CTRL | Qt::Key_V);
        return true;
    case Action::EditKey:
        pressKeys(kEditKeys[event.item]);
        return true;
    case Action::FrameClose:
        frontWindow->windowHandle()->close();
        return true;
    }
    return false;
}

QString PlayDriver::check(const PlayEvent& event, const Snapshot& before, int okPresses) {
    const Snapshot after = snapshot();
    const QStringList visible = visibleWindows();
    if (visible.size() != 1)
        return QStringLiteral("[one window] visible: %1").arg(visible.join(QLatin1Char(' ')));

    const QString page = theForm1().Label1->caption();
    if (!isPage(page))
        return QStringLiteral("[page] the text area holds \"%1\"").arg(page.left(80));
    if (modVariables.CurrentRoom != 0)
        return QStringLiteral("[room] CurrentRoom is %1").arg(modVariables.CurrentRoom);
    if (after.step < 0)
        return QStringLiteral("[prompt] \"%1\"").arg(theForm3().Label1->caption());

    if (boxesThisEvent_ > 0 && (before.front != kForm3 || boxesThisEvent_ > okPresses))
        return QStringLiteral("[message box] %1 box(es) for %2 press(es) of the entry window's OK")
            .arg(boxesThisEvent_)
            .arg(okPresses);

    const bool slotsChanged = after.slots != before.slots;
    if (slotsChanged || after.step != before.step) {
        const QString change = QStringLiteral("slots %1 -> %2, step %3 -> %4")
                                   .arg(slotsText(before.slots), slotsText(after.slots))
                                   .arg(before.step)
                                   .arg(after.step);
        if (before.front != kForm3 || okPresses == 0)
            return QStringLiteral("[slots] changed without a press of OK in the entry window: %1")
                .arg(change);
        if (before.step >= 5)
            return QStringLiteral("[slots] changed after the fifth entry: %1").arg(change);
        if (after.step < before.step || after.step - before.step > okPresses)
            return QStringLiteral("[slots] the prompt moved wrongly: %1").arg(change);
        for (int k = 0; k < 5; ++k) {
            const auto slot = static_cast<std::size_t>(k);
            const bool entered = k >= before.step && k < after.step;
            if (!entered && after.slots[slot] != before.slots[slot])
                return QStringLiteral("[slots] slot %1 changed out of turn: %2")
                    .arg(k + 1)
                    .arg(change);
            if (entered && k > 0 && after.slots[slot] > after.slots[slot - 1])
                return QStringLiteral("[slots] entry %1 is above the one before: %2")
                    .arg(k + 1)
                    .arg(change);
        }
        counts_.acceptedEntries += after.step - before.step;
        if (after.step == 5 && after.front != kForm1)
            return QStringLiteral("[entry] the fifth entry did not lead back: %1").arg(after.front);
        if (after.step == 5)
            ++counts_.fifthEntries;
    }

    if (event.action == Action::Ok && before.front == kForm3 && okPresses == 0)
        return QStringLiteral("[ok] the press did not reach the entry window's OK");
    if (event.action == Action::Ok && before.front == kForm3 && before.step == 5 &&
        after.front != kForm1)
        return QStringLiteral("[ok] OK after the last entry did not lead back");
    if (event.action == Action::Ok && before.front == kForm2 && after.front != kForm1)
        return QStringLiteral("[ok] the table's OK did not lead back");
    if (event.action == Action::FrameClose && before.front != kForm1 && after.front != kForm1)
        return QStringLiteral("[close] closing %1 did not lead back").arg(before.front);

    if (after.front == kForm2) {
        const Form2& table = theForm2();
        for (std::size_t row = 0; row < 5; ++row) {
            if (table.valueLabels[row]->caption() != QString::number(after.slots[row]))
                return QStringLiteral("[table] row %1 shows %2, the slot holds %3")
                    .arg(row + 1)
                    .arg(table.valueLabels[row]->caption())
                    .arg(after.slots[row]);
        }
    }
    return {};
}

bool PlayDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            ++boxesThisEvent_;
            ++counts_.messageBoxes;
            // Answered from inside the box's own event loop, as a player would.
            QTimer::singleShot(0, this, [this, box = QPointer<QMessageBox>(box)] {
                if (box)
                    answer(box);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlayDriver::answer(QMessageBox* box) {
    const QStringList visible = visibleWindows();
    if (visible.size() != 1 && boxFailure_.isEmpty())
        boxFailure_ = QStringLiteral("[one window] behind a message box: %1")
                          .arg(visible.join(QLatin1Char(' ')));
    if (!box->button(QMessageBox::Ok) || box->parentWidget() != existingWindow(WindowId::Form3)) {
        if (boxFailure_.isEmpty())
            boxFailure_ = QStringLiteral("[message box] \"%1\" has no OK or is not the entry "
                                         "window's")
                              .arg(box->text());
        box->done(QMessageBox::Ok);
        return;
    }
    // Keys go where a player's would: the box's only control, OK, takes the focus with it.
    QWidget* inBox = box->focusWidget() ? box->focusWidget() : box->button(QMessageBox::Ok);
    switch (currentAnswer_) {
    case 0:
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(inBox, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(inBox, Qt::Key_Escape);
        break;
    case 3:
        QTest::keyClick(inBox, Qt::Key_Space);
        break;
    default:
        box->windowHandle()->close();
        break;
    }
    if (box->isVisible()) {
        if (boxFailure_.isEmpty())
            boxFailure_ =
                QStringLiteral("[message box] answer %1 left it open").arg(currentAnswer_);
        box->done(QMessageBox::Ok);
    }
}

// When a message box closes, a desktop's window manager hands the activation back to the
// window below; the offscreen platform leaves no window active. Do the window manager's part.
void PlayDriver::actAsWindowManager() {
    if (QApplication::activeWindow())
        return;
    if (ui::Window* front = windowNamed(visibleWindows().value(0))) {
        ++counts_.reactivations;
        front->activateWindow();
        (void)QTest::qWaitForWindowActive(front, 1000);
    }
}

QWidget* PlayDriver::keyTarget() {
    actAsWindowManager(); // a box may have closed in the middle of typing
    if (!QApplication::focusWidget())
        (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 200);
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        ++counts_.keysWithoutFocus;
        if (boxFailure_.isEmpty())
            boxFailure_ = QStringLiteral("[focus] a key went to %1 with no control focused")
                              .arg(visibleWindows().join(QLatin1Char(' ')));
    }
    return focus;
}

void PlayDriver::pressKeys(QKeyCombination keys) {
    if (QWidget* target = keyTarget()) {
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    } else if (ui::Window* front = windowNamed(visibleWindows().value(0))) {
        QTest::keyClick(front->windowHandle(), keys.key(), keys.keyboardModifiers());
    }
}

// Printable ASCII goes key by key; other characters arrive as text without a key code, the
// way a compose key or an input method delivers them. Long runs come in pieces of a hundred.
void PlayDriver::sendText(const QString& text) {
    if (text.size() > 200) {
        for (qsizetype at = 0; at < text.size(); at += 100) {
            if (QWidget* target = keyTarget())
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(at, 100),
                                    Qt::NoModifier);
        }
        return;
    }
    for (const QChar c : text) {
        QWidget* target = keyTarget();
        if (!target)
            return;
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(target, static_cast<char>(c.unicode()));
        else if (c == QLatin1Char('\t'))
            QTest::keyClick(target, Qt::Key_Tab);
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

bool PlayDriver::focusBox(const QString& front) {
    QLineEdit* box = nullptr;
    if (front == kForm1)
        box = theForm1().Text1;
    else if (front == kForm3)
        box = theForm3().Text1;
    if (!box)
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
    return true;
}
