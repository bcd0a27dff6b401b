#pragma once

#include "AdaptationSpeed.h"

#include <optional>

namespace qx {

class LiveAverage;
struct LiveSample;

// What step 1 (adaptterm) shows; an empty value leaves its control as it is.
struct TemperatureView
{
    std::optional<int> thermometer;    // AdaptTherm, the raw reading
    std::optional<SpeedReading> speed; // ObrTerm and PanelTerm
    bool nextEnabled = false;          // termbutton
};

// Step 1: the engine warms up on petrol while the step shows its temperature
// and speed. On a controller with a temperature input the fitter may go on
// only once the engine is warm; the button then stays enabled.
class TemperatureStep
{
public:
    static constexpr int WarmAbove = 130;

    explicit TemperatureStep(LiveAverage &average);

    // Entering the step: Next is free at once without a temperature input.
    const TemperatureView &start(bool tempSensorSupported);
    // One tick's two requests: the first feeds the thermometer, the second
    // the speed, with the RPM constant the ignition list sets.
    const TemperatureView &tick(const LiveSample &temperature, const LiveSample &speed, int rpmConstant);
    const TemperatureView &view() const { return view_; }

private:
    LiveAverage &average_;
    TemperatureView view_;
};

} // namespace qx
