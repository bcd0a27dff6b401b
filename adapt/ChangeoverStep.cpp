#include "ChangeoverStep.h"

#include "AdaptationState.h"
#include "LiveSample.h"

namespace qx {

ChangeoverStep::ChangeoverStep(AdaptationState &state, LiveAverage &average)
    : state_(state), average_(average)
{
}

const ChangeoverView &ChangeoverStep::start()
{
    state_.StepperMin = HeldMin;
    state_.StepperMax = HeldMax;
    state_.StepperStart = HeldStart;
    state_.LambdaTimeRich = MeasuringLambdaTimeMs;
    state_.LambdaTimeLean = MeasuringLambdaTimeMs;
    // A threshold the throttle never crosses keeps the stepper at one speed.
    state_.TpsThresholdToWrite = state_.TpsParked;
    view_.changedOver = false;
    return view_;
}

const ChangeoverView &ChangeoverStep::tick(const LiveSample &sample, int rpmConstant)
{
    if (view_.changedOver || !sample.fresh)
        return view_;
    const auto speed = SpeedFromPeriod(sample.period, average_, rpmConstant);
    if (!speed)
        return view_;
    view_.speed = speed;
    view_.changedOver = sample.stepper != OnPetrol;
    return view_;
}

} // namespace qx
