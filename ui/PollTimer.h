#pragma once

#include <QObject>
#include <QTimer>

namespace qx {

class PollTimerClock;

// A page's polling timer: a precise QTimer, unless a clock for tests drives
// every timer from a virtual time.
class PollTimer final : public QObject
{
    Q_OBJECT

public:
    PollTimer(const char *name, int intervalMs, QObject *parent);
    ~PollTimer() override;

    void start();
    void stop();
    bool isActive() const { return active_; }
    int interval() const { return interval_; }
    // A running timer starts its new interval at once, as a QTimer does.
    void setInterval(int ms);

    // Tests: from now on every PollTimer is started and stopped on this clock
    // instead of a QTimer (nullptr: real time again).
    static void setClock(PollTimerClock *clock);

signals:
    void timeout();

private:
    QTimer timer_;
    int interval_;
    bool active_ = false;
};

// What drives the timers in place of real time: told of each start (a
// restart too) and stop, it emits the timers' timeouts as its time passes.
class PollTimerClock
{
public:
    virtual ~PollTimerClock() = default;
    virtual void started(PollTimer &t) = 0;
    virtual void stopped(PollTimer &t) = 0;
};

} // namespace qx
