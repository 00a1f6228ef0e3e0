// The yardstick for the game's start: a bare Qt Widgets window with one label, started and
// ended the same way. Arguments: the window's size as WxH (the game's, so both paint the same
// area), and optionally --widgets, which adds the kinds of widget the main window needs (menu
// bar with its items, line edit, push button) to tell the toolkit's share from the game's.
#include "FirstFrame.h"

#include "ui/Style.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

void addWidgets(QWidget& window) {
    // The game's style: without it the menu bar loads every image-format plugin, which the game
    // does not, and the toolkit's share would look larger than it is.
    ui::installStyle();
    auto* bar = new QMenuBar(&window);
    const std::pair<const char*, int> menus[] = {{"Game", 8}, {"Help", 2}, {"Debug", 1}};
    for (const auto& [title, items] : menus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        for (int item = 0; item < items; ++item)
            menu->addAction(QStringLiteral("Item %1").arg(item + 1))
                ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + item)));
    }
    auto* client = new QWidget(&window);
    auto* box = new QLineEdit(QStringLiteral("Command"), client);
    box->setGeometry(0, 0, 457, 24);
    auto* button = new QPushButton(QStringLiteral("GO"), client);
    button->setGeometry(456, 0, 81, 25);
    auto* label = new QLabel(QStringLiteral("Hello"), client);
    label->setGeometry(0, 24, 537, 441);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(client);
    box->setFocus();
}

} // namespace

int main(int argc, char* argv[]) {
    QSize size(536, 484);
    bool widgets = false;
    for (int i = 1; i < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::strcmp(argv[i], "--widgets") == 0)
            widgets = true;
        else if (std::sscanf(argv[i], "%dx%d", &width, &height) == 2)
            size = QSize(width, height);
    }

    int qtArgc = 1; // as in the game: Qt sees no arguments
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlakin_bench_baseline"));
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    if (widgets)
        addWidgets(window);
    else
        new QLabel(QStringLiteral("Hello"), &window);
    window.setFixedSize(size);
    window.show();
    window.activateWindow();
    FirstFrame firstFrame(window);
    return QApplication::exec();
}
