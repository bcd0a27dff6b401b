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
} // namespace

void pauseMs(int milliseconds)
{
    tightenTimerSlack();
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace qx
