#pragma once

#include "AdaptationSpeed.h"

#include <QString>

#include <optional>

namespace qx {

struct AdaptationState;
class LiveAverage;
struct LiveSample;

// The threshold one tenth of the sensor's travel away from the idle reading,
// the sensor's direction, and the threshold parked at the far end of its
// range that the later steps write while they run.
struct TpsResult
{
    int threshold = 0;
    int rising = 1;
    int parked = 250;
};
TpsResult tpsThreshold(int idle, int full);

// What step 2 (AdaptTps) shows.
struct TpsStepView
{
    std::optional<SpeedReading> speed; // AdaptObr1 and Adapt2PanelObr
    QString idleVolts;                 // TPSdolny
    QString fullVolts;                 // TPSgorny
    QString thresholdVolts;            // TPSprog
    // tpsbutton enabled, Label56 shown, AbDBLED4 lit, and the step's timer stopped.
    bool finished = false;
};

// Step 2: the TPS at idle, then again once the engine turns at 3000 rpm or
// more; the two readings give the TPS threshold and direction.
class TpsThresholdStep
{
public:
    static constexpr int FullSpeed = 3000;

    TpsThresholdStep(AdaptationState &state, LiveAverage &average);

    // StartTpsStep with the request it makes at idle. Without a fresh frame
    // the idle reading is taken by the next fresh tick instead.
    const TpsStepView &start(const LiveSample &idle);
    const TpsStepView &tick(const LiveSample &sample, int rpmConstant);
    const TpsStepView &view() const { return view_; }

private:
    void takeIdle(int reading);
    void finish(int fullReading);

    AdaptationState &state_;
    LiveAverage &average_;
    TpsStepView view_;
    bool idleTaken_ = false;
};

} // namespace qx
