#pragma once

#include <optional>

namespace qx {

class LiveAverage;

// The engine speed of one tick: the meter shows rpm, the speed panel and the
// steps' thresholds use the speed rounded to 50.
struct SpeedReading
{
    int rpm = 0;
    int shown = 0;
};

// The period through the live pages' shared average, then converted; nothing
// when the RPM constant or the averaged period is 0, and the tick then leaves
// the meter and the panel as they are.
std::optional<SpeedReading> SpeedFromPeriod(int period, LiveAverage &average, int rpmConstant);

} // namespace qx
