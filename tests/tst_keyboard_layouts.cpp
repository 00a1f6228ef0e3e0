// Accelerators under other keyboard layouts: where a layout has no Latin letters, Ctrl with the
// key in the place of a US letter is that letter's accelerator; everything else stays as it is.
#include "TestSupport.h"

#include "core/Windows.h"
#include "forms/Forms.h"
#include "forms/main/Form1.h"
#include "forms/main/TextPages.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

// XKB key codes of the US letter places, as X11 and Wayland report them.
constexpr quint32 kPlaceOfA = 38;
constexpr quint32 kPlaceOfC = 54;
constexpr quint32 kPlaceOfD = 40;
constexpr quint32 kPlaceOfH = 43;
constexpr quint32 kPlaceOfO = 32;

// A press as the window system delivers it: first to the shortcut map, and only if no shortcut
// takes it to the focused widget, with the key's place and the layout's letter.
void pressAt(quint32 place, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = focusedWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    if (qt_sendShortcutOverrideEvent(target, 0, key, modifiers, text))
        return;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, place, 0, 0, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, place, 0, 0, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

class KeyboardLayoutsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { startProgram(); }
    void cleanupTestCase() { releaseWindows(); }

    void ctrlWithALetterOfAnotherScriptGoesByPlace_data() {
        QTest::addColumn<quint32>("place");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("page");
        const QString welcome = TextPages::welcome();
        QTest::newRow("Russian C") << kPlaceOfC << 0x0421 << "Form2" << welcome;
        QTest::newRow("Russian O") << kPlaceOfO << 0x0429 << "Form3" << welcome;
        QTest::newRow("Russian H") << kPlaceOfH << 0x0420 << "Form1" << TextPages::howToPlay();
        QTest::newRow("Russian A") << kPlaceOfA << 0x0424 << "Form1" << TextPages::about();
        QTest::newRow("Greek C") << kPlaceOfC << 0x03A8 << "Form2" << welcome;
        QTest::newRow("Hebrew C") << kPlaceOfC << 0x05D1 << "Form2" << welcome;
        QTest::newRow("Arabic A") << kPlaceOfA << 0x0634 << "Form1" << TextPages::about();
        // Places of keys that are no accelerator, and Latin letters (French AZERTY has Q where
        // US has A), do nothing.
        QTest::newRow("Russian D") << kPlaceOfD << 0x0412 << "Form1" << welcome;
        QTest::newRow("French Q") << kPlaceOfA << int(Qt::Key_Q) << "Form1" << welcome;
        QTest::newRow("German umlaut")
            << kPlaceOfA << int(Qt::Key_Adiaeresis) << "Form1" << welcome;
    }
    void ctrlWithALetterOfAnotherScriptGoesByPlace() {
        QFETCH(quint32, place);
        QFETCH(int, key);
        QFETCH(QString, windows);
        QFETCH(QString, page);
        const QString letter = QString(QChar(char16_t(key))).toLower();
        pressAt(place, key, Qt::ControlModifier, letter);
        QTRY_COMPARE(visibleWindows(), QStringList{windows});
        QCOMPARE(theForm1().Label1->caption(), page);
        QCOMPARE(theForm1().Text1->text(), QStringLiteral("Command"));
    }

    void otherModifiersAndTypingAreLeftAlone() {
        // AltGr reaches programs as Ctrl+Alt on some systems; Shift is no accelerator here.
        pressAt(kPlaceOfC, 0x0421, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("с"));
        pressAt(kPlaceOfA, 0x0424, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("Ф"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
        QCOMPARE(theForm1().Label1->caption(), TextPages::welcome());
        theForm1().Text1->clear();
        pressAt(kPlaceOfC, 0x0421, Qt::NoModifier, QStringLiteral("с"));
        pressAt(kPlaceOfO, 0x0429, Qt::ShiftModifier, QStringLiteral("Щ"));
        QCOMPARE(theForm1().Text1->text(), QStringLiteral("сЩ"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form1")});
    }

    // In the table and the entry window, which have no menus, such keys do nothing.
    void windowsWithoutMenusIgnoreThem() {
        pressAt(kPlaceOfC, 0x0421, Qt::ControlModifier, QStringLiteral("с"));
        QTRY_COMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
        pressAt(kPlaceOfO, 0x0429, Qt::ControlModifier, QStringLiteral("щ"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("Form2")});
    }
};

QTEST_MAIN(KeyboardLayoutsTest)
#include "tst_keyboard_layouts.moc"
