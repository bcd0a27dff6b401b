#pragma once

#include "AdaptationSpeed.h"

#include <QString>

#include <optional>

namespace qx {

struct AdaptationState;
class LiveAverage;
struct LiveSample;

// The probe bar's scale: its digital range, the text at its end, and the
// bar thousandths per reading that turn a position back into a reading.
struct ProbeScale
{
    int top;
    QString endLabel;
    double divisor;
};
// Narrow: 0 … 60, "1 V", 16.7; wide: 0 … 255, "5 V", 3.9.
ProbeScale probeScale(bool wideScale);

// Lean and rich levels and the threshold between them, from the lowest and
// highest readings placed on one scale, each level within what the
// Parameters page can hold and save back.
struct ProbeResult
{
    int lean = 0;
    int rich = 0;
    int threshold = 0;
};
ProbeResult probeResult(int lowest, int highest, bool wideScale);

// What step 3 (adaptsonda) shows.
struct ProbeStepView
{
    std::optional<SpeedReading> speed; // ObrSondy and Adapt4PanelObr
    int progress = 3;                  // miernik
    bool wideScale = false;            // lambdabar's range and Ad4LabelV: probeScale()
    std::optional<int> reading;        // lambdabar
    QString leanVolts;                 // PUboga
    QString richVolts;                 // PBogata
    QString thresholdVolts;            // PProg
    bool calibrated = false;           // LED1 lit, SondButton enabled, Label87 shown
};

// Step 3: while the fitter revs the engine the step records the lowest and
// highest probe readings, switches to the 5 V scale for a high-voltage probe,
// and derives the lean and rich levels and the probe threshold. The timer
// keeps running after the result; later ticks show the same result.
class ProbeCalibrationStep
{
public:
    static constexpr int MeasuringSpeed = 1600;
    static constexpr int WideFromReading = 80;
    static constexpr int ProgressStep = 2;
    static constexpr int ProgressDone = 100;

    ProbeCalibrationStep(AdaptationState &state, LiveAverage &average);

    // StartProbeStep; a new calibration forgets the readings of the last.
    const ProbeStepView &start();
    const ProbeStepView &tick(const LiveSample &sample, int rpmConstant);
    const ProbeStepView &view() const { return view_; }

private:
    void measure(int reading);
    void finish();

    AdaptationState &state_;
    LiveAverage &average_;
    ProbeStepView view_;
    std::optional<int> lowest_;
    std::optional<int> highest_;
};

} // namespace qx
