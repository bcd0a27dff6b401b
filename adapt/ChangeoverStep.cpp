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
    setMeasuringSet(state_, HeldMin, HeldMax, HeldStart);
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
    view_.changedOver = !sample.onPetrol();
    return view_;
}

} // namespace qx
