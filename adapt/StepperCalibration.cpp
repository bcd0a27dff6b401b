#include "StepperCalibration.h"

#include "AdaptationState.h"
#include "LambdaTime.h"
#include "LiveSample.h"

#include <algorithm>

namespace qx {

namespace {

const QString Unknown = QStringLiteral(".......");
constexpr int BarTop = 255;
constexpr int FullScale = 1000;
constexpr int StartProgress = 3;
// The window the second adaptation set gives the stepper to move in.
constexpr int FreeMin = 10;
constexpr int FreeMax = 200;
constexpr int FreeStart = 80;

// numerator ÷ denominator to the nearest integer, halves to even, worked
// in integers so a half is exact; the denominator is positive.
int roundedRatio(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    long long rest = numerator % denominator;
    if (rest < 0) {
        rest += denominator;
        --quotient;
    }
    if (2 * rest > denominator || (2 * rest == denominator && (quotient & 1) != 0))
        ++quotient;
    return int(quotient);
}

// A completed stretch of the probe on one side.
void record(int &count, QVector<int> &durations, int &ticks)
{
    ++count;
    if (durations.size() < AdaptationState::DurationCapacity)
        durations.append(ticks);
    ticks = 0;
}

} // namespace

int stepperBarPosition(int barValue)
{
    return roundedRatio(FullScale * barValue, BarTop);
}

int stepperMinimum(int lowestBarValue)
{
    // position × 25 ÷ 98 × 0.97 is 97 × position ÷ 392.
    return std::clamp(roundedRatio(97LL * stepperBarPosition(lowestBarValue), 392), 0, BarTop);
}

StepperUpper stepperUpper(int highestBarValue, int stepperMin)
{
    // position × 25 ÷ 98 × 1.2 is 30 × position ÷ 98; the start is taken
    // from the maximum before it is limited.
    const int max = roundedRatio(30LL * stepperBarPosition(highestBarValue), 98);
    const int start = roundedRatio(3LL * (max - stepperMin), 5) + stepperMin;
    StepperUpper upper;
    upper.max = std::max(std::clamp(max, 0, BarTop), stepperMin);
    upper.start = std::clamp(std::clamp(start, 0, BarTop), stepperMin, upper.max);
    return upper;
}

StepperCalibration::StepperCalibration(AdaptationState &state, LiveAverage &average)
    : state_(state), average_(average)
{
}

const StepperView &StepperCalibration::start()
{
    setMeasuringSet(state_, FreeMin, FreeMax, FreeStart);
    state_.StepProgress = 0;
    state_.RichTicks = state_.LeanTicks = 0;
    state_.RichCount = state_.LeanCount = 0;
    state_.InRich = state_.InLean = false;
    state_.RichDurations.clear();
    state_.LeanDurations.clear();
    view_.phase = StepperPhase::Idle;
    view_.progress = StartProgress;
    view_.minText = view_.maxText = view_.startText = Unknown;
    view_.minFound = false;
    restartRecord(BarTop);
    return view_;
}

const StepperView &StepperCalibration::tick(const LiveSample &sample, int rpmConstant)
{
    if (view_.phase == StepperPhase::Finished || !qualifies(sample, rpmConstant))
        return view_;
    if (state_.StepProgress >= PhaseTicks) {
        if (view_.phase == StepperPhase::Idle)
            finishIdle();
        else
            finishHigh();
        return view_;
    }
    measure(sample.stepper);
    if (view_.phase == StepperPhase::High)
        timeProbe(sample.probe);
    return view_;
}

bool StepperCalibration::qualifies(const LiveSample &sample, int rpmConstant)
{
    if (!sample.fresh)
        return false;
    const auto speed = SpeedFromPeriod(sample.period, average_, rpmConstant);
    if (!speed)
        return false;
    view_.speed = speed;
    const bool inBand = view_.phase == StepperPhase::Idle ? speed->shown < IdleBelow : speed->shown > HighAbove;
    return inBand && speed->shown > 0 && !sample.onPetrol();
}

void StepperCalibration::restartRecord(int barValue)
{
    view_.stepperBar = lowest_ = highest_ = barValue;
}

void StepperCalibration::measure(int stepperByte)
{
    ++state_.StepProgress;
    view_.progress = roundedRatio(state_.StepProgress, 3);
    const int bar = BarTop - stepperByte;
    view_.stepperBar = bar;
    lowest_ = std::min(lowest_, bar);
    highest_ = std::max(highest_, bar);
    (view_.phase == StepperPhase::Idle ? view_.minText : view_.maxText) = QString::number(bar);
}

void StepperCalibration::timeProbe(int reading)
{
    const int mid = roundedRatio(state_.ProbeRich + state_.ProbeThreshold, 2);
    if (reading < mid) {
        if (state_.InRich)
            record(state_.RichCount, state_.RichDurations, state_.RichTicks);
        ++state_.LeanTicks;
        state_.InLean = true;
        state_.InRich = false;
    } else {
        if (state_.InLean)
            record(state_.LeanCount, state_.LeanDurations, state_.LeanTicks);
        ++state_.RichTicks;
        state_.InRich = true;
        state_.InLean = false;
    }
}

void StepperCalibration::finishIdle()
{
    state_.StepperMin = stepperMinimum(lowest_);
    view_.minText = QString::number(state_.StepperMin);
    view_.minFound = true;
    // StartMaxPhase
    view_.phase = StepperPhase::High;
    view_.progress = 0;
    state_.StepProgress = 0;
    restartRecord(0);
}

void StepperCalibration::finishHigh()
{
    const StepperUpper upper = stepperUpper(highest_, state_.StepperMin);
    state_.StepperMax = upper.max;
    state_.StepperStart = upper.start;
    view_.maxText = QString::number(upper.max);
    view_.startText = QString::number(upper.start);
    view_.progress = 0;
    view_.phase = StepperPhase::Finished;
    if (const auto rich = lambdaTimeFromStretches(state_.RichDurations))
        state_.LambdaTimeRich = *rich;
    if (const auto lean = lambdaTimeFromStretches(state_.LeanDurations))
        state_.LambdaTimeLean = *lean;
}

} // namespace qx
