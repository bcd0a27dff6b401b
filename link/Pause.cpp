#include "Pause.h"

#include <QtGlobal>

#include <chrono>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace qx {

namespace {
// Linux lets a sleeping thread wake up to 50 µs late so it can batch timers;
// at 3 ms per byte that alone is a 2 % drift, so the thread asks for none.
void tightenTimerSlack()
{
#ifdef Q_OS_LINUX
    static const bool done = [] { return ::prctl(PR_SET_TIMERSLACK, 1UL) == 0; }();
    Q_UNUSED(done);
#endif
}

std::function<void(int)> &pauseOverride()
{
    static std::function<void(int)> pause;
    return pause;
}

std::function<qint64()> &clockOverride()
{
    static std::function<qint64()> clock;
    return clock;
}

} // namespace

qint64 clockMs()
{
    if (const auto &clock = clockOverride())
        return clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void setClockFunction(std::function<qint64()> clock)
{
    clockOverride() = std::move(clock);
}

void setPauseFunction(std::function<void(int milliseconds)> pause)
{
    pauseOverride() = std::move(pause);
}

void pauseMs(int milliseconds)
{
    if (const auto &pause = pauseOverride()) {
        pause(milliseconds);
        return;
    }
    if (milliseconds <= 0)
        return;
    tightenTimerSlack();
    // The pause ends at a deadline fixed when it begins: the thread sleeps to
    // just short of it, since waking takes some 50 µs on a loaded machine,
    // and waits out the rest awake. So a pause overshoots by microseconds, a
    // 3 ms byte pause by well under 1 %, and is never shorter.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    constexpr auto WakeUpMargin = std::chrono::microseconds(80);
    std::this_thread::sleep_until(deadline - WakeUpMargin);
    while (Clock::now() < deadline)
        std::this_thread::yield();
}

} // namespace qx
