#pragma once

#include <QVector>

namespace qx {

// The lambda times the adaptation sets carry while the steps measure, and
// keep where the calibration finds too few stretches.
constexpr int MeasuringLambdaTimeMs = 800;

// What the adaptation steps hand to each other. One record for the program
// run, owned by the main window: a new run of the adaptation starts from the
// values the last one left, and each step's start resets what it owns.
struct AdaptationState
{
    static constexpr int DurationCapacity = 700;

    int TpsIdle = 0;
    int TpsFull = 0;
    int TpsThreshold = 0;
    int TpsRising = 0;            // 1 when the full-throttle reading is not below idle
    int TpsParked = 0;            // 250 rising, 0 falling: a threshold the engine never crosses
    int TpsThresholdToWrite = 0;  // what command 7 sends
    int ProbeRich = 0;
    int ProbeThreshold = 0;
    int ProbeWideScale = 0;       // 1 once the calibration chose the 5 V scale
    double ProbeDivisor = 0;      // bar thousandths per reading: 16.7 narrow, 3.9 wide
    int StepperMin = 0;           // bar units, 255 minus the controller's stepper byte
    int StepperMax = 0;
    int StepperStart = 0;
    int LambdaTimeRich = 0;       // milliseconds
    int LambdaTimeLean = 0;
    int StepProgress = 0;
    bool InRich = false;
    bool InLean = false;
    int RichTicks = 0;
    int LeanTicks = 0;
    int RichCount = 0;
    int LeanCount = 0;
    // Completed stretch lengths in ticks, at most DurationCapacity each.
    QVector<int> RichDurations;
    QVector<int> LeanDurations;
};

// What an adaptation set carries while steps 6 and 8 measure: the stepper
// window, the measuring lambda times, and a TPS threshold the throttle never
// crosses, so the stepper keeps one speed.
inline void setMeasuringSet(AdaptationState &state, int stepperMin, int stepperMax, int stepperStart)
{
    state.StepperMin = stepperMin;
    state.StepperMax = stepperMax;
    state.StepperStart = stepperStart;
    state.LambdaTimeRich = MeasuringLambdaTimeMs;
    state.LambdaTimeLean = MeasuringLambdaTimeMs;
    state.TpsThresholdToWrite = state.TpsParked;
}

} // namespace qx
