#include "Pause.h"

#include <chrono>
#include <thread>

namespace qx {

void pauseMs(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace qx
