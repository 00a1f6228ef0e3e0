// What a screen reader gets from the windows: the interfaces it reads, and what the program
// tells it of changes away from the focus.
#include "GameTables.h"
#include "GuiTest.h"
#include "TestSupport.h"

#include "forms/main/TextPages.h"
#include "ui/MessageBox.h"
#include "ui/accessible/ReadingPolicy.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <optional>

namespace {

const QString kMain = QStringLiteral("Form1");

QWidget* part(const char* window, const char* name) {
    return control(QString::fromLatin1(window), QString::fromLatin1(name));
}

QString page() {
    return textOf(kMain, QStringLiteral("Label1"));
}

Told told() {
    return toldBy(kMain);
}

// Where nothing is to be told: long enough for anything queued to come.
void quietMoment() {
    QTest::qWait(100);
}

QStringList linesOf(const QString& page) {
    return page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The main window's announcements as the transport's listener hears them: waits for the
// `times`th, then lets a quiet moment pass in which a repeat would come (the announcer delivers
// in a later pass of the event loop).
void toldOnce(const Told& expected) {
    QTRY_COMPARE(told(), expected);
    quietMoment();
    QCOMPARE(told(), expected);
}

QAccessibleTextInterface* textOfBox(QWidget* box) {
    return QAccessible::queryAccessibleInterface(box)->textInterface();
}

QString keyBindingOf(QAccessibleInterface* item) {
    auto* action = item->actionInterface();
    if (!action || action->actionNames().isEmpty())
        return QStringLiteral("<no action>");
    return action->keyBindingsForAction(action->actionNames().first()).join(QLatin1Char('|'));
}

// The display server's unit per device-independent pixel: Qt's whole ratio on X11 (and
// offscreen); on Wayland, that less the output's own scale, which the compositor keeps to itself
// (the session running the test names it in VORLAKIN_OUTPUT_SCALE).
qreal displayUnitsPerPixel(const QWidget* widget) {
    qreal ratio = widget->devicePixelRatio();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        bool ok = false;
        const qreal output = qEnvironmentVariable("VORLAKIN_OUTPUT_SCALE").toDouble(&ok);
        ratio /= ok && output > 0 ? output : 1.0;
    }
    return ratio;
}

// Where a top-level window is, as the display server has it: on Wayland with the title bar and
// borders that Qt draws itself, but not its shadows, which only the compositor can tell apart
// (test_orca_speech.py --session gnome compares the two): anywhere from the client area to Qt's
// whole frame.
std::pair<QRect, QRect> decorated(QWidget* window) {
    const QRect client(window->mapToGlobal(QPoint(0, 0)), window->size());
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return {client, client};
    return {client, client.marginsAdded(window->windowHandle()->frameMargins())};
}

// Where an object is, in the display server's unit: a widget, or an entry of a menu or menu bar;
// a window anywhere from its client area (inner) to Qt's whole frame (outer).
struct Place {
    QRectF inner, outer;
};

std::optional<Place> placeOf(QAccessibleInterface* object) {
    QWidget* widget = qobject_cast<QWidget*>(object->object());
    std::pair<QRect, QRect> logical;
    if (widget) {
        const QRect rect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        logical = widget->isWindow() ? decorated(widget) : std::pair{rect, rect};
    } else if (auto* action = qobject_cast<QAction*>(object->object())) {
        QAccessibleInterface* owner = object->parent();
        widget = owner ? qobject_cast<QWidget*>(owner->object()) : nullptr;
        QRect rect;
        if (auto* menu = qobject_cast<QMenu*>(widget))
            rect = menu->actionGeometry(action);
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            rect = bar->actionGeometry(action);
        if (widget)
            rect.translate(widget->mapToGlobal(QPoint(0, 0)));
        logical = {rect, rect};
    }
    if (!widget)
        return std::nullopt;
    const qreal scale = displayUnitsPerPixel(widget);
    const auto scaled = [scale](const QRect& rect) {
        return QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale);
    };
    return Place{scaled(logical.first), scaled(logical.second)};
}

// Within a pixel at fractional scales.
bool placedAt(const QRect& reported, const std::optional<Place>& place) {
    const int right = reported.x() + reported.width();
    const int bottom = reported.y() + reported.height();
    return place && reported.left() <= place->inner.left() + 1 &&
           reported.left() >= place->outer.left() - 1 && reported.top() <= place->inner.top() + 1 &&
           reported.top() >= place->outer.top() - 1 && right >= place->inner.right() - 1 &&
           right <= place->outer.right() + 1 && bottom >= place->inner.bottom() - 1 &&
           bottom <= place->outer.bottom() + 1;
}

// Every object under `root` that claims to be showing, with its extents where they are wrong.
void walk(QAccessibleInterface* root, QStringList& names, QStringList& misplaced) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* object = root->child(i);
        if (!object || object->state().invisible)
            continue;
        names.append(object->text(QAccessible::Name));
        const QRect reported = object->rect();
        const std::optional<Place> place = placeOf(object);
        if (!placedAt(reported, place)) {
            QString where;
            QDebug(&where) << reported << "for" << (place ? place->outer.toRect() : QRect());
            misplaced.append(
                QStringLiteral("%1 %2 \"%3\": %4")
                    .arg(object->object() ? object->object()->metaObject()->className() : "-")
                    .arg(object->role())
                    .arg(object->text(QAccessible::Name).left(20), where));
        }
        walk(object, names, misplaced);
    }
}

// Runs `look` on the message box once it is up, then closes it: a check that fails inside
// `look` ends the test instead of leaving it waiting on the box.
void onMessageBox(const std::function<void(QMessageBox*)>& look) {
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            onMessageBox(look);
            return;
        }
        const QPointer<QMessageBox> open(box);
        const auto close = qScopeGuard([open] {
            if (open)
                open->close();
        });
        look(box);
    });
}

} // namespace

class ScreenReaderTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        GuiTest::init();
        QTRY_COMPARE(told().times, 1); // the welcome
    }

    void welcomeIsToldOnceAtStartUp() {
        QCOMPARE(told(), (Told{1, linesOf(TextPages::welcome())}));
        // Coming back to the window tells nothing new.
        pressKey(Qt::Key_C, Qt::ControlModifier);
        clickButton(QStringLiteral("Form2"), QStringLiteral("Command1"));
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(kMain)));
        quietMoment();
        QCOMPARE(told().times, 1);
    }

    void everyPageIsToldOnceEachTimeItIsChosen_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("Story") << "mnuStory" << TextPages::story();
        QTest::newRow("Characters") << "mnuCharacters" << TextPages::characters();
        QTest::newRow("How to Play") << "mnuHowtoPlay" << TextPages::howToPlay();
        QTest::newRow("About This game") << "mnuAboutThisGame" << TextPages::about();
        QTest::newRow("New Game") << "mnuNewGame" << TextPages::welcome();
    }
    void everyPageIsToldOnceEachTimeItIsChosen() {
        QFETCH(QString, item);
        QFETCH(QString, page);
        QStringList expected = linesOf(page);
        if (item == QLatin1String("mnuNewGame"))
            expected.append(QStringLiteral("blank")); // and the emptied command box
        const int before = told().times;
        for (int time = 1; time <= 2; ++time) {
            triggerAction(item);
            toldOnce(Told{before + time, expected});
        }
        QCOMPARE(focusName(), QStringLiteral("Form1.Text1"));
        QCOMPARE(textOf(kMain, QStringLiteral("Label1")), page);
    }

    // Changes made in one go are told once, each source's last: two pages chosen before the
    // first was said give only the second, and the box's new text with it.
    void twoChangesOfOneSourceAreToldOnce() {
        const int before = told().times;
        triggerAction(QStringLiteral("mnuStory"));
        triggerAction(QStringLiteral("mnuCharacters"));
        toldOnce(Told{before + 1, linesOf(TextPages::characters())});

        // With the command box focused, Show Room's text is told too.
        triggerAction(QStringLiteral("mnuShowRoom"));
        triggerAction(QStringLiteral("mnuHowtoPlay"));
        triggerAction(QStringLiteral("mnuNewGame"));
        toldOnce(Told{before + 2, linesOf(TextPages::welcome()) << QStringLiteral("blank")});
    }

    void acceleratorsFromTheFocusedBoxAreTold() {
        const int before = told().times;
        pressKey(Qt::Key_H, Qt::ControlModifier);
        QTRY_COMPARE(told(), (Told{before + 1, linesOf(TextPages::howToPlay())}));
        pressKey(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(told(), (Told{before + 2, {QStringLiteral("0")}}));
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), QStringLiteral("0"));
        // Away from the focus, a new text in the box is not told.
        pressKey(Qt::Key_Tab);
        triggerAction(QStringLiteral("mnuShowRoom"));
        quietMoment();
        QCOMPARE(told().times, before + 2);
    }

    // Each line reaches readers on its own, whatever has the focus. Before Qt 6.8 the status area,
    // the window's last child, holds a notification a line, its text in a label (braille is made
    // of that label, never of the name); undrawn, none of them claims to be showing, so a walk
    // of what shows meets the page once.
    void announcementsTakeTheWayOfTheRunningQt() {
        const int before = told().times;
        triggerAction(QStringLiteral("mnuCharacters"));
        QTRY_COMPARE(told(), (Told{before + 1, linesOf(TextPages::characters())}));
        auto* window = QAccessible::queryAccessibleInterface(gameWindow(kMain));
        QVERIFY(window && window->childCount() > 0);
        QAccessibleInterface* area = window->child(window->childCount() - 1);
        QVERIFY(area);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Qt's own announcements, polite, and no status area in the tree.
        for (int i = 0; i < window->childCount(); ++i)
            QVERIFY(window->child(i) && window->child(i)->role() != QAccessible::StatusBar);
        // Heard as a reader gets them: the window's, each line polite.
        static QAccessible::UpdateHandler passOn = nullptr;
        static QStringList heard;
        heard.clear();
        passOn = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Announcement) {
                auto* said = static_cast<QAccessibleAnnouncementEvent*>(event);
                heard.append(said->object()->objectName() + QStringLiteral(": ") + said->message() +
                             (said->politeness() == QAccessible::AnnouncementPoliteness::Polite
                                  ? QString()
                                  : QStringLiteral(" (assertive)")));
            }
            if (passOn)
                passOn(event);
        });
        triggerAction(QStringLiteral("mnuAboutThisGame"));
        QTRY_COMPARE(told().times, before + 2);
        QAccessible::installUpdateHandler(passOn);
        QCOMPARE(heard, QStringList{QStringLiteral("Form1: ") + TextPages::about()});
#else
        QCOMPARE(area->role(), QAccessible::StatusBar);
        QVERIFY(area->parent() && area->parent()->object() == gameWindow(kMain));
        QCOMPARE(window->indexOfChild(area), window->childCount() - 1);
        QCOMPARE(window->child(0)->object(), part("Form1", "clientArea"));
        QStringList said;
        for (int i = 0; i < area->childCount(); ++i) {
            auto* notification = area->child(i);
            QVERIFY(notification);
            QCOMPARE(notification->role(), QAccessible::Notification);
            QVERIFY(notification->state().invisible);
            QCOMPARE(notification->parent(), area);
            QCOMPARE(area->indexOfChild(notification), i);
            QCOMPARE(notification->text(QAccessible::Name), QString());
            QCOMPARE(notification->childCount(), 1);
            auto* label = notification->child(0);
            QVERIFY(label);
            QCOMPARE(label->role(), QAccessible::StaticText);
            QVERIFY(label->state().invisible);
            QCOMPARE(label->parent(), notification);
            QCOMPARE(notification->indexOfChild(label), 0);
            QCOMPARE(label->childCount(), 0);
            said.append(label->text(QAccessible::Name));
        }
        QCOMPARE(said, linesOf(TextPages::characters()));
        QVERIFY(area->state().invisible);
        // A shorter page leaves no line of the longer one behind.
        triggerAction(QStringLiteral("mnuAboutThisGame"));
        QTRY_COMPARE(told().times, before + 2);
        QCOMPARE(area->childCount(), 1);
        QVERIFY(area->child(0) && area->child(0)->child(0));
        QCOMPARE(area->child(0)->child(0)->text(QAccessible::Name), TextPages::about());
#endif
        QCOMPARE(told().lines, QStringList{TextPages::about()});
    }

    // Magnifiers follow the caret, which while typing sits after the last character.
    void theCaretHasAPlaceAtTheEndOfTheText() {
        auto* text = textOfBox(part("Form1", "Text1"));
        const int end = text->characterCount();
        const QRect last = text->characterRect(end - 1);
        const QRect caret = text->characterRect(end);
        QVERIFY(!last.isEmpty());
        QVERIFY(!caret.isEmpty());
        QCOMPARE(caret.top(), last.top());
        QCOMPARE(caret.height(), last.height());
        QVERIFY(caret.left() >= last.right());
        QVERIFY(text->characterRect(end + 1).isEmpty());
        pressKey(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form3"))));
        auto* entry = textOfBox(part("Form3", "Text1"));
        QVERIFY(!entry->characterRect(entry->cursorPosition()).isEmpty());
    }

    // Run at scale 1 and at 2 (see CMakeLists.txt), and on Wayland at output scales 1 and 2
    // (debian/tests/orca-gnome): extents are in the display server's own unit.
    void extentsAreInTheDisplayUnit() {
        const qreal scale = displayUnitsPerPixel(gameWindow(kMain));
        const auto onScreen = [scale](QWidget* widget) {
            const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
            return QRect(topLeft * scale, widget->size() * scale);
        };
        for (QWidget* widget :
             std::initializer_list<QWidget*>{part("Form1", "Text1"), part("Form1", "Label1")})
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->rect(), onScreen(widget));

        auto* box = textOfBox(part("Form1", "Text1"));
        const QRect first = box->characterRect(0);
        QVERIFY(onScreen(part("Form1", "Text1")).contains(first));
        // The text starts a few pixels in from the box's edge, not beyond it.
        QVERIFY(first.left() - onScreen(part("Form1", "Text1")).left() < 8 * scale);
        QCOMPARE(box->offsetAtPoint(first.center()), 0);
        auto* page =
            QAccessible::queryAccessibleInterface(part("Form1", "Label1"))->textInterface();
        const QRect character = page->characterRect(2);
        QVERIFY(onScreen(part("Form1", "Label1")).contains(character));
        QCOMPARE(page->offsetAtPoint(character.center()), 2);

        auto* menu = gameWindow(kMain)->findChild<QMenu*>(QStringLiteral("mnuGame"));
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        auto* item = QAccessible::queryAccessibleInterface(menu)->child(0);
        const QRect inMenu = menu->actionGeometry(menu->actions().first());
        QCOMPARE(item->rect(),
                 QRect((menu->mapToGlobal(inMenu.topLeft())) * scale, inMenu.size() * scale));
        menu->close();
    }

    // Run at scales 1, 1.25, 1.5 and 2 (see CMakeLists.txt): every object that claims to be
    // showing, in each window, an open menu and a message, reports where it is in the screen's
    // own pixels, as magnifiers take it; and the page is met once among them.
    void everyShowingObjectIsWhereItShows() {
        QStringList names;
        QStringList misplaced;
        const auto walkWindow = [&](QWidget* window) {
            // A new window on Wayland can draw at the next whole scale until the compositor's
            // fractional one reaches it.
            QTRY_COMPARE(window->devicePixelRatio(), gameWindow(kMain)->devicePixelRatio());
            QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
            QVERIFY(top);
            names.append(top->text(QAccessible::Name));
            if (!placedAt(top->rect(), placeOf(top)))
                misplaced.append(QStringLiteral("window ") + window->objectName());
            walk(top, names, misplaced);
        };
        // A menu opened with no key pressed takes no focus back from a Wayland compositor when
        // it closes (the Orca test's rows check the menus there).
        const bool withMenu = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        auto* bar = control<QMenuBar>(kMain, QStringLiteral("menuBar"));
        auto* game = control<QMenu>(kMain, QStringLiteral("mnuGame"));
        if (withMenu) {
            bar->setActiveAction(game->menuAction());
            QVERIFY(QTest::qWaitForWindowExposed(game));
        }
        walkWindow(gameWindow(kMain));
        QCOMPARE(names.count(page()), 1);
        game->close();
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form2"))));
        walkWindow(gameWindow(QStringLiteral("Form2")));
        clickButton(QStringLiteral("Form2"), QStringLiteral("Command1"));
        pressKey(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form3"))));
        walkWindow(gameWindow(QStringLiteral("Form3")));
        onMessageBox([&](QMessageBox* box) { walkWindow(box); });
        ui::showMessageBox(gameWindow(QStringLiteral("Form3")), QStringLiteral("Form3"),
                           QStringLiteral("Enter a number, for example 750."));
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QStringLiteral("\n"))));
    }

    // The refusal and every other message reach braille as the label of the box's button.
    void aMessageLabelsItsButton() {
        QString labelOfButton;
        QStringList labelledByMessage;
        onMessageBox([&](QMessageBox* box) {
            auto* button = QAccessible::queryAccessibleInterface(box->button(QMessageBox::Ok));
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), QStringLiteral("OK"));
            for (const auto& [label, relation] : button->relations(QAccessible::Label))
                labelOfButton += label->text(QAccessible::Name);
            const QObjectList labels =
                box->findChildren<QObject*>(QStringLiteral("qt_msgbox_label"));
            for (const auto& [labelled, relation] :
                 QAccessible::queryAccessibleInterface(labels.value(0))
                     ->relations(QAccessible::Labelled))
                labelledByMessage.append(labelled->text(QAccessible::Name));
            QVERIFY(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        ui::showMessageBox(gameWindow(kMain), QStringLiteral("Form3"),
                           QStringLiteral("Enter a number, for example 750."));
        QCOMPARE(labelOfButton, QStringLiteral("Enter a number, for example 750."));
        QCOMPARE(labelledByMessage, QStringList{QStringLiteral("OK")});
    }

    void aMegabyteCommandLineIsToldInPart() {
        const QString huge(1 << 20, QLatin1Char('x'));
        startGame(huge);
        QTRY_COMPARE(told().times, 1);
        pressKey(Qt::Key_F2);
        QTRY_COMPARE(told(), (Told{2, {TextPages::welcome(), huge.left(ui::kSpokenLineLength)}}));
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), huge);

        auto* box = control<QLineEdit>(kMain, QStringLiteral("Text1"));
        auto* text = textOfBox(box);
        QCOMPARE(text->characterCount(), huge.size());
        int start = -1;
        int end = -1;
        // The caret is at the end, on the last line, which holds what is left.
        const QString last =
            text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        QCOMPARE(end, huge.size());
        QCOMPARE(last.size(), huge.size() % ui::kSpokenLineLength);
        const QString before =
            text->textBeforeOffset(start, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(before.size(), ui::kSpokenLineLength);
        QCOMPARE(end, huge.size() - last.size());
        text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, ui::kSpokenLineLength);
        pressKey(Qt::Key_Home);
        pressKey(Qt::Key_End, Qt::ShiftModifier);
        text->selection(0, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, ui::kSpokenLineLength);

        // At the end of a text of whole lines, the line is the last one, and the one before it
        // is the one before.
        box->setText(QString(2 * ui::kSpokenLineLength, 'y'));
        const int length = text->characterCount();
        text->textAtOffset(length, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(length / 2, length));
        text->textBeforeOffset(length, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, length / 2));
        text->textAfterOffset(length, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, -1);
    }

    // Orca drops the last character of a text box whose attribute runs are empty.
    void textBoxesReportOneAttributeRunOverTheirText() {
        const auto check = [](QWidget* box, const QString& contents) {
            auto* text = textOfBox(box);
            QCOMPARE(text->text(0, text->characterCount()), contents);
            for (int offset = 0; offset < contents.size(); ++offset) {
                int start = -1;
                int end = -1;
                text->attributes(offset, &start, &end);
                QCOMPARE(start, 0);
                QCOMPARE(end, contents.size());
            }
            int start = -1;
            int end = -1;
            QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), contents);
            QCOMPARE(text->textAtOffset(contents.size(), QAccessible::LineBoundary, &start, &end),
                     contents);
        };
        check(part("Form1", "Text1"), QStringLiteral("Command"));
        pressKey(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form3"))));
        check(part("Form3", "Text1"), QStringLiteral("0"));
        auto* box = QAccessible::queryAccessibleInterface(part("Form3", "Text1"));
        QCOMPARE(box->role(), QAccessible::EditableText);
        QVERIFY(box->state().editable && box->state().focused);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Enter the first high score."));
    }

    // A reader reviews the text area in the lines it shows: at each line feed, and wrapped
    // within its width.
    void theTextAreaIsReadInTheLinesItShows() {
        triggerAction(QStringLiteral("mnuCharacters"));
        auto* area = QAccessible::queryAccessibleInterface(part("Form1", "Label1"));
        QCOMPARE(area->text(QAccessible::Name), TextPages::characters());
        auto* text = area->textInterface();
        QVERIFY(text);
        QStringList lines;
        for (int offset = 0, start = 0, end = 0; offset < text->characterCount(); offset = end) {
            lines.append(text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end));
            QCOMPARE(start, offset);
        }
        QCOMPARE(lines.join(QString()), TextPages::characters());
        QCOMPARE(lines.size(), 10); // the nine lines and the empty one
        QCOMPARE(lines[5], QStringLiteral("\n"));

        triggerAction(QStringLiteral("mnuHowtoPlay"));
        QWidget* label = part("Form1", "Label1");
        const QRect shown(label->mapToGlobal(QPoint(0, 0)), label->size());
        int start = 0;
        int end = 0;
        int lineCount = 0;
        int lastTop = -1;
        for (int offset = 0; offset < text->characterCount(); offset = end, ++lineCount) {
            const QString line =
                text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
            const QRect first = text->characterRect(start);
            QVERIFY(shown.contains(first));
            QVERIFY(first.top() > lastTop);
            lastTop = first.top();
            QCOMPARE(text->offsetAtPoint(first.center()), start);
            QVERIFY(line.size() < 80); // wrapped at the label's width, about 76 columns
        }
        QVERIFY(lineCount > 1);
    }

    void thePromptIsTheEntryBoxsLabel() {
        pressKey(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(QStringLiteral("Form3"))));
        const auto labelled = QAccessible::queryAccessibleInterface(part("Form3", "Label1"))
                                  ->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first->object(), part("Form3", "Text1"));
    }

    void menuItemsGiveTheirAcceleratorInTheFormReadersSpeak() {
        const QList<std::pair<QString, QString>> expected{
            {QStringLiteral("New Game"), QStringLiteral(";;F2")},
            {QStringLiteral("Enter Old High Scores"), QStringLiteral(";;<Control>o")},
            {QStringLiteral("Check High Scores"), QStringLiteral(";;<Control>c")},
            {QStringLiteral("End Game"), QStringLiteral(";;F3")},
            {QStringLiteral("Check Inventory"), QStringLiteral(";;<Control>i")},
            {QStringLiteral("Check Score"), QStringLiteral(";;<Control>s")},
            {QStringLiteral("Story"), QString()},
            {QStringLiteral("Characters"), QString()},
            {QStringLiteral("How to Play"), QStringLiteral(";;<Control>h")},
            {QStringLiteral("About This game"), QStringLiteral(";;<Control>a")},
            {QStringLiteral("Show Room"), QStringLiteral(";;<Control><Shift>F1")},
        };
        QList<std::pair<QString, QString>> found;
        for (const char* name : {"mnuGame", "mnuHelp", "mnuDebug"}) {
            auto* menu = control<QMenu>(kMain, QString::fromLatin1(name));
            auto* list = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; i < list->childCount(); ++i) {
                auto* item = list->child(i);
                QCOMPARE(item->role(), QAccessible::MenuItem);
                QCOMPARE(item->parent()->object(), menu);
                found.append({item->text(QAccessible::Name), keyBindingOf(item)});
            }
        }
        QCOMPARE(found, expected);

        auto* characters =
            QAccessible::queryAccessibleInterface(menuItem(QStringLiteral("mnuCharacters")));
        characters->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(page(), TextPages::characters());
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "tst_screen_reader.moc"
