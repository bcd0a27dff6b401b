#pragma once

#include "ChangeoverStep.h"
#include "KnownValues.h"
#include "ParameterWrite.h"
#include "PollTimer.h"
#include "ProbeCalibrationStep.h"
#include "ReducerStep.h"
#include "StepperCalibration.h"
#include "TemperatureStep.h"
#include "TpsThresholdStep.h"

namespace qx {

class AdaptationPage;
class ControllerProtocol;
class LiveAverage;
struct AdaptationState;

// What the steps need of the main window: all its polling stopped, and the
// page-change work the navigator owns (port and ignition type on entering
// step 1).
class AdaptationHost
{
public:
    virtual ~AdaptationHost() = default;
    virtual void StopAllTimers() = 0;
    // Port opened for the step's polling, termbutton by the temperature
    // input, ignition type loaded, TimerAdaptTerm running.
    virtual void startTemperatureStep() = 0;
    // Back to step 1 as on entering the page, without moving the focus.
    virtual void CofnijAD2Click() = 0;
    // Command 31 with step 1's ignition entry, never an entry the list lacks.
    virtual void sendIgnitionChoice() = 0;
    // The temperature-sensor switch the final write sends (and may force off).
    virtual quint8 &tempSensorOn() = 0;
    // After the final write: the Parameters page read back and saved.
    virtual void finishAdaptation() = 0;
    // Whether a write needing these values may go out; when one is not this
    // car's, the window says which and false is returned.
    virtual bool clearToWrite(std::initializer_list<Sendable> needed) = 0;
};

// The timers the steps poll on: one per measuring step, and one for each
// phase of the stepper calibration.
struct AdaptationTimers
{
    PollTimer &TimerAdaptTerm;
    PollTimer &TimerUstTpsProg;
    PollTimer &TimerKalibSonda;
    PollTimer &TimerPrzedRed;
    PollTimer &TimerRR;
    PollTimer &TimerMinMax1;
    PollTimer &TimerMinMax2;
};

// The sequences between the adaptation's steps (Next, Back, a tab chosen,
// Enter and Backspace) and the steps' ticks: each tick takes the live sample,
// gives it to the step's logic and shows what that returns.
class AdaptationRun
{
public:
    // Each timer's ticks go to its step from here on.
    AdaptationRun(AdaptationPage &page, ControllerProtocol &protocol, LiveAverage &average, AdaptationState &state,
                  AdaptationHost &host, AdaptationTimers timers);

    // Step 1 as the page is entered: Next free without a temperature input.
    void startTemperatureStep(bool tempSensorSupported);

    // A step's Next button: into the next step from its start.
    void next(int step);
    // A step's Back button: the previous step from its start, whether or
    // not its Next button is enabled.
    void back(int step);
    // The fitter chose a visible step's tab.
    void PageControl2Change();
    // Enter and Backspace on the page: true when they did something.
    bool enter();
    bool backspace();

private:
    // The steps' ticks.
    void TimerAdaptTermTimer();
    void TimerUstTpsProgTimer();
    void TimerKalibSondaTimer();
    void TimerPrzedRedTimer();
    void TimerRRTimer();
    // Both phases of the stepper calibration, each with its own timer.
    void TimerMinMaxTimer();
    // The timer that polls for a step; none for the vehicle pages.
    PollTimer *timerOf(int step) const;
    void moveInto(int step);
    void startStep(int step);
    int rpmConstant() const;
    WriteContext writeContext() const;
    void writeAdaptationSet();
    // MinMaxButton: the final values written, then the Parameters page.
    void MinMaxButtonClick();

    AdaptationPage &page_;
    ControllerProtocol &protocol_;
    LiveAverage &average_;
    AdaptationState &state_;
    AdaptationHost &host_;
    AdaptationTimers timers_;
    TemperatureStep temperature_;
    TpsThresholdStep tps_;
    ProbeCalibrationStep probe_;
    ChangeoverStep changeover_;
    ReducerStep reducer_;
    StepperCalibration stepper_;
};

} // namespace qx
