#include "AdaptationSpeed.h"

#include "EngineSpeed.h"
#include "LiveAverage.h"

namespace qx {

std::optional<SpeedReading> SpeedFromPeriod(int period, LiveAverage &average, int rpmConstant)
{
    const std::optional<int> rpm = rpmFromPeriod(rpmConstant, average(period));
    if (!rpm)
        return std::nullopt;
    return SpeedReading{*rpm, rpmShown(*rpm)};
}

} // namespace qx
