// Start-up, the shared game state and the moves between windows.
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/modVariables.h"
#include "platform/CommandLine.h"
#include "platform/DesktopFont.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTest>
#include <QToolButton>

namespace {

const QString kMain = QStringLiteral("Form1");
const QString kTable = QStringLiteral("Form2");
const QString kEntry = QStringLiteral("Form3");

// There and back again, by the keys and buttons that do it.
void visitTable() {
    pressKey(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(visibleWindows(), QStringList{kTable});
    QVERIFY(QTest::qWaitForWindowActive(gameWindow(kTable)));
    clickButton(kTable, QStringLiteral("Command1"));
    QCOMPARE(visibleWindows(), QStringList{kMain});
    QVERIFY(QTest::qWaitForWindowActive(gameWindow(kMain)));
}

// Reading any image makes Qt load every image-format plugin it has.
bool imagePluginsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

} // namespace

class StartupTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        GuiTest::forgetWarnings();
        resetProgram();
    }

    void processStartsWithNothingCreatedAndAllZero() {
        QVERIFY(!gameWindow(kMain));
        QVERIFY(!gameWindow(kTable));
        QVERIFY(!gameWindow(kEntry));
        QCOMPARE(modVariables.HighScore1, 0);
        QCOMPARE(modVariables.HighScore5, 0);
        QCOMPARE(modVariables.CurrentRoom, std::int16_t{0});
    }

    // Kept first of the tests that start the game: nothing else here reads an image before it.
    void startLoadsNoImagePlugin() {
        QVERIFY2(!imagePluginsLoaded(), "read before the start");
        startGame();
        QWidget* main = gameWindow(kMain);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->grab();
        QVERIFY(!imagePluginsLoaded());

        // The menu bar's overflow button still has the style's own icon, once it is drawn.
        auto* bar = main->findChild<QMenuBar*>(QStringLiteral("menuBar"));
        QVERIFY(bar);
        auto* overflow = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow);
        QVERIFY(!overflow->icon().isNull());
        auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(style);
        const QIcon own =
            style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!own.isNull());
        QCOMPARE(overflow->icon().availableSizes(), own.availableSizes());
        for (const int size : {16, 32}) {
            QCOMPARE(overflow->icon().actualSize(QSize(size, size)),
                     own.actualSize(QSize(size, size)));
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                const QPixmap drawn = overflow->icon().pixmap(QSize(size, size), ratio);
                const QPixmap expected = own.pixmap(QSize(size, size), ratio);
                QCOMPARE(drawn.devicePixelRatio(), expected.devicePixelRatio());
                QCOMPARE(drawn.toImage(), expected.toImage());
            }
        }
    }

    void startShowsOnlyTheMainWindowWithDefaults() {
        startGame();
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QCOMPARE(modVariables.HighScore1, 1000);
        QCOMPARE(modVariables.HighScore2, 800);
        QCOMPARE(modVariables.HighScore3, 600);
        QCOMPARE(modVariables.HighScore4, 400);
        QCOMPARE(modVariables.HighScore5, 200);
        QCOMPARE(modVariables.CurrentRoom, std::int16_t{0});
        // The other windows wait until they are first needed.
        QVERIFY(!gameWindow(kTable));
        QVERIFY(!gameWindow(kEntry));
    }

    void mainWindowLoadHandlerRunsOncePerProcess() {
        startGame();
        modVariables.HighScore1 = 5;
        for (int visit = 0; visit < 3; ++visit)
            visitTable();
        QCOMPARE(modVariables.HighScore1, 5);
    }

    void switchHidesThenCreatesThenShows() {
        startGame();
        // The table's load handler sees the slots as they stand when it is created.
        modVariables.HighScore3 = -7;
        QVERIFY(!gameWindow(kTable));
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(visibleWindows(), QStringList{kTable});
        QCOMPARE(textOf(kTable, QStringLiteral("Label6")), QStringLiteral("-7"));
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(kTable)));

        QWidget* table = gameWindow(kTable);
        clickButton(kTable, QStringLiteral("Command1"));
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QCOMPARE(gameWindow(kTable), table); // hidden, not destroyed
        QVERIFY(QTest::qWaitForWindowActive(gameWindow(kMain)));
    }

    void hiddenWindowsKeepTheirContents() {
        startGame();
        triggerAction(QStringLiteral("mnuStory"));
        typeText(QStringLiteral(" typed"));
        const QString page = textOf(kMain, QStringLiteral("Label1"));
        const QString command = textOf(kMain, QStringLiteral("Text1"));

        pressKey(Qt::Key_O, Qt::ControlModifier);
        typeText(QStringLiteral("123"));
        QVERIFY(!closeWindow(kEntry));
        QCOMPARE(visibleWindows(), QStringList{kMain});
        QCOMPARE(textOf(kMain, QStringLiteral("Label1")), page);
        QCOMPARE(textOf(kMain, QStringLiteral("Text1")), command);

        pressKey(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(textOf(kEntry, QStringLiteral("Text1")), QStringLiteral("123"));
    }

    void aSecondRunStartsFromTheDefaultsAgain() {
        startGame();
        modVariables.HighScore1 = 4242;
        modVariables.HighScore5 = -1;
        startGame();
        QCOMPARE(modVariables.HighScore1, 1000);
        QCOMPARE(modVariables.HighScore5, 200);
    }

    void argumentTextJoinsWithSingleBlanks_data() {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QList<QByteArray>{} << QString();
        QTest::newRow("one") << QList<QByteArray>{"start"} << QStringLiteral("start");
        QTest::newRow("several") << QList<QByteArray>{"a", "b c", ""} << QStringLiteral("a b c ");
        QTest::newRow("Qt's own options are plain text")
            << QList<QByteArray>{"-style", "windows", "-platform", "xcb"}
            << QStringLiteral("-style windows -platform xcb");
        QTest::newRow("quotes and non-ASCII")
            << QList<QByteArray>{"\"x\"", "'y'", "\xc3\xa9"} << QStringLiteral("\"x\" 'y' \u00e9");
    }
    void argumentTextJoinsWithSingleBlanks() {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QString, text);
        QList<const char*> argv{"vorlakin"};
        for (const QByteArray& argument : arguments)
            argv.append(argument.constData());
        QCOMPARE(platform::argumentText(static_cast<int>(argv.size()), argv.data()), text);
    }

    void argumentTextSurvivesBytesThatAreNotUtf8() {
        const char* argv[] = {"vorlakin", "\xff\xfe", "ok"};
        const QString text = platform::argumentText(3, argv);
        QVERIFY(text.endsWith(QStringLiteral(" ok")));
        QVERIFY(!text.contains(QChar(u'\0')));
    }

    // The desktop's font keeps its face and size when its alias is named by the face it stands
    // for; a family that is installed is left as it is.
    void desktopFontNamesTheFaceQtWouldDraw_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::newRow("plain X11 desktop") << QStringLiteral("Sans Serif") << 9.0;
        QTest::newRow("generic alias") << QStringLiteral("monospace") << 11.0;
        QTest::newRow("serif alias") << QStringLiteral("serif") << 10.5;
        QTest::newRow("missing face") << QStringLiteral("MS Sans Serif") << 8.0;
        QTest::newRow("installed face") << QStringLiteral("DejaVu Sans Mono") << 9.0;
    }
    void desktopFontNamesTheFaceQtWouldDraw() {
        QFETCH(QString, family);
        QFETCH(double, points);
        const QFont before = QApplication::font();
        QFont desktop(family);
        desktop.setPointSizeF(points);
        const QFontInfo drawn(desktop);
        QApplication::setFont(desktop);
        platform::resolveDesktopFont();
        const QFont resolved = QApplication::font();
        QApplication::setFont(before);
        QCOMPARE(resolved.families().value(0), drawn.family() == family ? family : drawn.family());
        QCOMPARE(QFontInfo(resolved).family(), drawn.family());
        QCOMPARE(QFontInfo(resolved).style(), drawn.style());
        QCOMPARE(QFontInfo(resolved).weight(), drawn.weight());
        QCOMPARE(resolved.pointSizeF(), points);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
