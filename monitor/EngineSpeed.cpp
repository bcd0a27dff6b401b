#include "EngineSpeed.h"

#include "LiveAverage.h"
#include "LiveSample.h"
#include "Rounding.h"

namespace qx {

namespace {
constexpr int StandingBelowRpm = 300;
}

std::optional<int> rpmFromPeriod(int rpmConstant, int averagedPeriod)
{
    if (rpmConstant == 0 || averagedPeriod == 0)
        return std::nullopt;
    const int rpm = int(roundHalfEven(double(rpmConstant) / averagedPeriod * 800.0));
    return rpm < StandingBelowRpm ? 0 : rpm;
}

int rpmShown(int rpm)
{
    return int(roundHalfEven(rpm * 0.02)) * 50;
}

std::optional<int> liveRpm(const LiveSample &sample, LiveAverage &average, int rpmConstant)
{
    return rpmFromPeriod(rpmConstant, average(sample.period));
}

} // namespace qx
