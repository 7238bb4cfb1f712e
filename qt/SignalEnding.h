#pragma once
// SIGTERM and SIGINT (a logout, kill, Ctrl+C) end the game at once, but not
// before it is kept: the signal is noted by a handler that only writes to a
// pipe, the window's thread reads it, lets the game end as it ends when
// closed, and the program then dies of the signal as it would have.

#include <QObject>
#include <QSocketNotifier>
#include <functional>

class SignalEnding : public QObject {
    Q_OBJECT
public:
    // `end` closes the game down (it must not end the event loop's thread).
    explicit SignalEnding(std::function<void()> end, QObject* parent = nullptr);

private:
    void signalled();

    std::function<void()> end;
    QSocketNotifier* notifier = nullptr;
};
