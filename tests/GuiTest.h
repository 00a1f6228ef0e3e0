#pragma once

#include <QObject>
#include <QStringList>

// Base of the tests that drive the windows. Each test function starts from a freshly started
// game, and fails when Qt warned about anything but the test machine while it ran.
class GuiTest : public QObject {
    Q_OBJECT

public:
    // Warnings that reached Qt's handler since the current test function began.
    static QStringList warnings();
    static void forgetWarnings();

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
};
