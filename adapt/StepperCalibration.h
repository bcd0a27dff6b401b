#pragma once

#include "AdaptationSpeed.h"

#include <QString>

#include <optional>

namespace qx {

struct AdaptationState;
class LiveAverage;
struct LiveSample;

// A stepper bar value's position in thousandths of the bar's 0 … 255 range.
int stepperBarPosition(int barValue);

// The stepper's lower limit from the lowest bar value seen at idle: 97 %
// of the position scaled back to bar units.
int stepperMinimum(int lowestBarValue);

// The upper limit and start position from the highest bar value seen above
// 2000 rpm: the limit 120 % of the position scaled back, the start 60 % of
// the way up from the lower limit. Both stay inside 0 … 255 and in order
// with the lower limit, so the controller never gets a minimum above its
// maximum.
struct StepperUpper
{
    int max = 0;
    int start = 0;
};
StepperUpper stepperUpper(int highestBarValue, int stepperMin);

// The two measuring phases of step 8 and its end.
enum class StepperPhase {
    Idle,     // TimerMinMax1, Label70 shown
    High,     // TimerMinMax2, Label76 shown; entering it restarts LambdaBarObr1's record at 0
    Finished, // no timer, KomunikatKoncowy shown, LedMax lit, MinMaxButton enabled
};

// What step 8 (MinMaxTab) shows.
struct StepperView
{
    std::optional<SpeedReading> speed; // ObrMinMax and PanelObrMinMax
    StepperPhase phase = StepperPhase::Idle;
    int progress = 3;                  // LambdaBarObr2
    int stepperBar = 255;              // LambdaBarObr1
    QString minText;                   // PanelMin
    QString maxText;                   // PanelMax
    QString startText;                 // PanelStart
    bool minFound = false;             // LedMin lit
};

// Step 8: with the stepper free in a wide window the step records where the
// controller drives it, first at idle and then above 2000 rpm, each for 300
// ticks, and derives the stepper limits and start position. Above 2000 rpm
// it also times the probe's rich and lean stretches for the lambda times.
// Only a running engine on gas is measured: a stalled engine or one back on
// petrol shows the closed stepper, and the phase waits instead.
class StepperCalibration
{
public:
    static constexpr int IdleBelow = 1300;
    static constexpr int HighAbove = 2000;
    static constexpr int PhaseTicks = 300;

    StepperCalibration(AdaptationState &state, LiveAverage &average);

    // StartStepperStep: the state the second adaptation set carries (the
    // page sends writeAdaptationSet next), and the idle phase from its
    // beginning. LambdaBarObr1's record restarts at 255.
    const StepperView &start();
    const StepperView &tick(const LiveSample &sample, int rpmConstant);
    const StepperView &view() const { return view_; }

private:
    // Takes the tick's speed for the view; true when the tick measures.
    bool qualifies(const LiveSample &sample, int rpmConstant);
    // Both recorded extremes and the bar to one value, as LambdaBarObr1's record restarts.
    void restartRecord(int barValue);
    void measure(int stepperByte);
    void timeProbe(int reading);
    void finishIdle();
    void finishHigh();

    AdaptationState &state_;
    LiveAverage &average_;
    StepperView view_;
    int lowest_ = 255;
    int highest_ = 0;
};

} // namespace qx
