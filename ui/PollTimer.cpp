#include "PollTimer.h"

#include <utility>

namespace qx {

namespace {

PollTimerClock *clock_ = nullptr;

} // namespace

PollTimer::PollTimer(const char *name, int intervalMs, QObject *parent)
    : QObject(parent), timer_(this), interval_(intervalMs)
{
    setObjectName(QLatin1String(name));
    // Polls keep their rate: the next tick is due an interval after the last
    // one was due, not after the poll's own exchange ended.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PollTimer::timeout);
}

PollTimer::~PollTimer()
{
    // A window closed while polling leaves no tick behind on a test's clock.
    stop();
}

void PollTimer::start()
{
    active_ = true;
    if (clock_)
        clock_->started(*this);
    else
        timer_.start(interval_);
}

void PollTimer::stop()
{
    const bool wasActive = std::exchange(active_, false);
    timer_.stop();
    if (clock_ && wasActive)
        clock_->stopped(*this);
}

void PollTimer::setInterval(int ms)
{
    interval_ = ms;
    if (active_)
        start();
}

void PollTimer::setClock(PollTimerClock *clock)
{
    clock_ = clock;
}

} // namespace qx
