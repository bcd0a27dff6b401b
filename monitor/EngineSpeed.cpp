#include "EngineSpeed.h"

#include "LiveAverage.h"
#include "ReplyBuffer.h"
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

int speedPeriod(int lowByte, int highByte)
{
    return lowByte + 256 * highByte;
}

std::optional<int> liveRpm(const ReplyBuffer &frame, LiveAverage &average, int rpmConstant)
{
    return rpmFromPeriod(rpmConstant, average(speedPeriod(frame.ReplyByte(4), frame.ReplyByte(5))));
}

} // namespace qx
