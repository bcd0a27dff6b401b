#include "TpsThresholdStep.h"

#include "AdaptationState.h"
#include "LiveSample.h"
#include "Rounding.h"
#include "Telemetry.h"

namespace qx {

TpsResult tpsThreshold(int idle, int full)
{
    // Both directions come to (9 × idle + full) / 10; in whole tenths a half
    // is exact, so it rounds to even as every conversion does.
    const int threshold = int(roundHalfEven((9.0 * idle + full) / 10.0));
    if (full < idle)
        return {threshold, 0, 0};
    return {threshold, 1, 250};
}

TpsThresholdStep::TpsThresholdStep(AdaptationState &state, LiveAverage &average)
    : state_(state), average_(average)
{
}

const TpsStepView &TpsThresholdStep::start(const LiveSample &idle)
{
    view_.idleVolts.clear();
    view_.fullVolts.clear();
    view_.thresholdVolts.clear();
    view_.finished = false;
    idleTaken_ = false;
    if (idle.fresh)
        takeIdle(idle.tps);
    return view_;
}

const TpsStepView &TpsThresholdStep::tick(const LiveSample &sample, int rpmConstant)
{
    if (view_.finished || !sample.fresh)
        return view_;
    if (!idleTaken_) {
        takeIdle(sample.tps);
        return view_;
    }
    const auto speed = SpeedFromPeriod(sample.period, average_, rpmConstant);
    if (!speed)
        return view_;
    view_.speed = speed;
    if (speed->shown >= FullSpeed)
        finish(sample.tps);
    return view_;
}

void TpsThresholdStep::takeIdle(int reading)
{
    state_.TpsIdle = reading;
    view_.idleVolts = telemetry::tpsVoltsText(reading);
    idleTaken_ = true;
}

void TpsThresholdStep::finish(int fullReading)
{
    state_.TpsFull = fullReading;
    const TpsResult result = tpsThreshold(state_.TpsIdle, fullReading);
    state_.TpsThreshold = result.threshold;
    state_.TpsRising = result.rising;
    state_.TpsParked = result.parked;
    view_.fullVolts = telemetry::tpsVoltsText(fullReading);
    view_.thresholdVolts = telemetry::tpsVoltsText(result.threshold);
    view_.finished = true;
}

} // namespace qx
