#pragma once

#include "AdaptationSpeed.h"

#include <optional>

namespace qx {

struct AdaptationState;
class LiveAverage;
struct LiveSample;

// What step 6 (przedreduktorem) shows.
struct ChangeoverView
{
    std::optional<SpeedReading> speed; // ObrPrzedRed and PanellPrzedRed
    // The car runs on gas: LedPrzedRed lit, NastapiloPrzejscieBGLABEL shown,
    // TimerPrzedRed stopped; przedreduktbutton follows after the page's
    // 2 s wait.
    bool changedOver = false;
};

// Step 6: with the stepper held in a narrow window the step waits for the
// controller to change the car over from petrol to gas, which the stepper
// byte shows by leaving 255.
class ChangeoverStep
{
public:
    static constexpr int HeldMin = 79;
    static constexpr int HeldMax = 80;
    static constexpr int HeldStart = 81;

    ChangeoverStep(AdaptationState &state, LiveAverage &average);

    // StartChangeoverStep: the state the first adaptation set carries; the
    // page sends writeAdaptationSet next.
    const ChangeoverView &start();
    const ChangeoverView &tick(const LiveSample &sample, int rpmConstant);
    const ChangeoverView &view() const { return view_; }

private:
    AdaptationState &state_;
    LiveAverage &average_;
    ChangeoverView view_;
};

} // namespace qx
