#include "ReducerStep.h"

#include "AdaptationState.h"
#include "LiveSample.h"

namespace qx {

ReducerStep::ReducerStep(const AdaptationState &state)
    : state_(state)
{
}

const ReducerView &ReducerStep::start()
{
    view_.barTop = state_.ProbeWideScale == 1 ? WideTop : NarrowTop;
    view_.reading = 0;
    view_.rich = false;
    return view_;
}

const ReducerView &ReducerStep::tick(const LiveSample &sample)
{
    if (!sample.fresh)
        return view_;
    view_.reading = sample.probe;
    if (sample.probe > RichAbove)
        view_.rich = true;
    return view_;
}

} // namespace qx
