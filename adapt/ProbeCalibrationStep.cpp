#include "ProbeCalibrationStep.h"

#include "AdaptationState.h"
#include "LiveSample.h"
#include "Rounding.h"
#include "Telemetry.h"

#include <algorithm>

namespace qx {

namespace {

const QString Unknown = QStringLiteral(".......");
constexpr int FullScale = 1000;
constexpr int StartProgress = 3;
// The threshold stays inside 0,10 … 4,90 V, which the Parameters page
// accepts and can write back.
constexpr int LowestThreshold = 5;
constexpr int HighestThreshold = 250;

} // namespace

ProbeScale probeScale(bool wideScale)
{
    if (wideScale)
        return {255, QStringLiteral("5 V"), 3.9};
    return {60, QStringLiteral("1 V"), 16.7};
}

namespace {

// A reading's bar position in thousandths of the scale; the narrow scale
// stops at its end.
int probePosition(int reading, bool wideScale)
{
    return std::clamp(int(roundHalfEven(double(FullScale) * reading / probeScale(wideScale).top)), 0, FullScale);
}

} // namespace

ProbeResult probeResult(int lowest, int highest, bool wideScale)
{
    const double divisor = probeScale(wideScale).divisor;
    const double lean = probePosition(lowest, wideScale) / divisor;
    const double rich = probePosition(highest, wideScale) / divisor;
    return {std::clamp(int(roundHalfEven(lean)), 0, 255), std::clamp(int(roundHalfEven(rich)), 0, 255),
            std::clamp(int(roundHalfEven((lean + rich) * 0.5)), LowestThreshold, HighestThreshold)};
}

ProbeCalibrationStep::ProbeCalibrationStep(AdaptationState &state, LiveAverage &average)
    : state_(state), average_(average)
{
}

const ProbeStepView &ProbeCalibrationStep::start()
{
    view_.leanVolts = view_.richVolts = view_.thresholdVolts = Unknown;
    view_.calibrated = false;
    view_.wideScale = false;
    view_.progress = StartProgress;
    state_.StepProgress = 0;
    state_.ProbeDivisor = probeScale(false).divisor;
    lowest_.reset();
    highest_.reset();
    return view_;
}

const ProbeStepView &ProbeCalibrationStep::tick(const LiveSample &sample, int rpmConstant)
{
    if (!sample.fresh)
        return view_;
    const auto speed = SpeedFromPeriod(sample.period, average_, rpmConstant);
    if (!speed)
        return view_;
    view_.speed = speed;
    if (speed->shown < MeasuringSpeed)
        return view_;
    if (state_.StepProgress < ProgressDone)
        measure(sample.probe);
    if (state_.StepProgress >= ProgressDone)
        finish();
    return view_;
}

void ProbeCalibrationStep::measure(int reading)
{
    state_.StepProgress += ProgressStep;
    view_.progress = state_.StepProgress;
    // A reading no 0-1 V probe gives: the bar changes to 5 V for the rest of the step.
    if (reading >= WideFromReading && !view_.wideScale) {
        view_.wideScale = true;
        state_.ProbeDivisor = probeScale(true).divisor;
    }
    state_.ProbeWideScale = view_.wideScale ? 1 : 0;
    view_.reading = reading;
    lowest_ = std::min(reading, lowest_.value_or(reading));
    highest_ = std::max(reading, highest_.value_or(reading));
}

void ProbeCalibrationStep::finish()
{
    // A probe that never moved has nothing to calibrate on: measure again.
    if (!lowest_ || *lowest_ == *highest_) {
        start();
        return;
    }
    view_.progress = 0;
    const ProbeResult result = probeResult(*lowest_, *highest_, view_.wideScale);
    state_.ProbeRich = result.rich;
    state_.ProbeThreshold = result.threshold;
    view_.leanVolts = telemetry::lambdaVoltsText(result.lean);
    view_.richVolts = telemetry::lambdaVoltsText(result.rich);
    view_.thresholdVolts = telemetry::lambdaVoltsText(result.threshold);
    view_.calibrated = true;
}

} // namespace qx
