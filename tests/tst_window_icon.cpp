// The game's icon on every window and message box, from the icon theme or from the program.
#include "GuiTest.h"
#include "TestSupport.h"

#include "core/Program.h"
#include "core/ProgramState.h"
#include "platform/AppIcon.h"
#include "ui/Window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QImage imageOf(const QIcon& icon, int size = 48) {
    return icon.pixmap(QSize(size, size))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage committedIcon(int size) {
    return QImage(QStringLiteral(VORLAKIN_ICON_DIR "/org.vorlakin.Vorlakin-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What the window system is given for the window, not what the widget would inherit.
QImage iconGivenToWindowSystem(QWidget& widget) {
    QWindow* handle = widget.windowHandle();
    return handle ? imageOf(handle->icon()) : QImage();
}

// A desktop's theme without the game's icon, and the hicolor theme, where the package puts it,
// with the icon drawn in one colour.
void writeThemes(const QString& root, QColor colour) {
    QDir(root).mkpath(QStringLiteral("desktop"));
    QFile desktopIndex(root + QStringLiteral("/desktop/index.theme"));
    QVERIFY(desktopIndex.open(QIODevice::WriteOnly));
    desktopIndex.write("[Icon Theme]\nName=desktop\nDirectories=\n");
    QDir(root).mkpath(QStringLiteral("hicolor/48x48/apps"));
    QFile index(root + QStringLiteral("/hicolor/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=hicolor\nDirectories=48x48/apps\n\n"
                "[48x48/apps]\nSize=48\nType=Fixed\n");
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(root + QStringLiteral("/hicolor/48x48/apps/org.vorlakin.Vorlakin.png")));
}

} // namespace

class WindowIconTest : public GuiTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        GuiTest::initTestCase();
        // No theme on the test machine: the windows show the built-in icon.
        QIcon::setThemeSearchPaths({emptyThemes_.path()});
    }
    void init() {
        GuiTest::forgetWarnings();
        resetProgram();
        QApplication::setWindowIcon(QIcon());
    }

    void builtInIconIsTheCommittedOne() {
        startWithIcon();
        const QIcon icon = QApplication::windowIcon();
        for (const int size : {48, 128, 256}) {
            QVERIFY(!committedIcon(size).isNull());
            QCOMPARE(imageOf(icon, size), committedIcon(size));
        }
    }

    void everyWindowCarriesIt() {
        startWithIcon();
        pressKey(Qt::Key_C, Qt::ControlModifier);
        clickButton(QStringLiteral("Form2"), QStringLiteral("Command1"));
        pressKey(Qt::Key_O, Qt::ControlModifier);
        for (const char* name : {"Form1", "Form2", "Form3"}) {
            QWidget* window = gameWindow(QString::fromLatin1(name));
            QVERIFY2(window, name);
            QCOMPARE(iconGivenToWindowSystem(*window), committedIcon(48));
        }
    }

    void theMessageBoxCarriesIt() {
        startWithIcon();
        const MessagePresenter recorder = std::exchange(programState().showMessage, {});
        QImage seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = iconGivenToWindowSystem(*box);
            box->accept();
        });
        showMessage(gameWindow(QStringLiteral("Form1")), QStringLiteral("Caption"),
                    QStringLiteral("Text"));
        programState().showMessage = recorder;
        QCOMPARE(seen, committedIcon(48));
    }

    void installedThemeIconComesFirst() {
        QTemporaryDir themes;
        writeThemes(themes.path(), Qt::red);
        const QString themeName = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("desktop"));
        startWithIcon();
        const QImage fromTheme = imageOf(QApplication::windowIcon());
        QIcon::setThemeName(themeName);
        QIcon::setThemeSearchPaths({emptyThemes_.path()});
        QCOMPARE(fromTheme.pixelColor(24, 24), QColor(Qt::red));
    }

private:
    // As the program starts: the icon follows the main window's first frame.
    static void startWithIcon() {
        showMainWindow();
        auto* main = qobject_cast<ui::Window*>(gameWindow(QStringLiteral("Form1")));
        QVERIFY(main);
        platform::setAppIconAfterFirstFrame(*main);
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(QTest::qWaitForWindowActive(main));
    }

    QTemporaryDir emptyThemes_;
};

QTEST_MAIN(WindowIconTest)
#include "tst_window_icon.moc"
