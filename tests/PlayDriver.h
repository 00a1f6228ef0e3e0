#pragma once

#include "PlayEvent.h"
#include "PlayEventSource.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <cstdint>

class QMessageBox;

// Plays events against the real windows of a fresh program and checks, after each, what must
// hold whatever the player did. End does not end the test: it is recorded, checked, and the
// run goes on as a new process would.
class PlayDriver : public QObject {
public:
    PlayDriver();
    ~PlayDriver() override;

    // Starts the program afresh: windows, slots, seams, as a new process.
    void start();

    // Plays one event; returns what went wrong, empty when every check holds.
    QString play(const PlayEvent& event);

    PlayEventSource::View view() const;

    struct Counts {
        long long events = 0;
        long long skipped = 0; // did not apply to the window in front
        long long ends = 0;
        long long messageBoxes = 0;
        long long acceptedEntries = 0;
        long long fifthEntries = 0;
        long long keysWithoutFocus = 0;
        long long reactivations = 0; // windows activated in the window manager's stead
    };
    const Counts& counts() const { return counts_; }

    // Every warning and critical message that reaches Qt's handler fails the event it
    // happened in. Install once per process.
    static void watchMessages();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Snapshot {
        QString front;
        std::array<std::int32_t, 5> slots{};
        int step = 0;
    };
    Snapshot snapshot() const;
    bool act(const PlayEvent& event, const QString& front);
    QString check(const PlayEvent& event, const Snapshot& before, int okPresses);
    QString checkAlways() const;
    void answer(QMessageBox* box);
    void pressKeys(QKeyCombination keys);
    void sendText(const QString& text);
    QWidget* keyTarget();
    void actAsWindowManager();
    bool focusBox(const QString& front);
    void onEntryOk() { ++entryOkPresses_; }

    Counts counts_;
    int currentAnswer_ = 0;
    int boxesThisEvent_ = 0;
    int entryOkPresses_ = 0;
    QString boxFailure_;
    QPointer<QObject> watchedEntryOk_;
};
