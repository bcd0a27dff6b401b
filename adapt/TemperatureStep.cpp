#include "TemperatureStep.h"

#include "LiveSample.h"
#include "ProtocolTables.h"

namespace qx {

TemperatureStep::TemperatureStep(LiveAverage &average)
    : average_(average)
{
}

const TemperatureView &TemperatureStep::start(bool tempSensorSupported)
{
    view_.nextEnabled = !tempSensorSupported;
    return view_;
}

const TemperatureView &TemperatureStep::tick(const LiveSample &temperature, const LiveSample &speed, int rpmConstant)
{
    if (temperature.fresh) {
        view_.thermometer = temperature.temperature;
        if (temperature.temperature > WarmAbove)
            view_.nextEnabled = true;
    }
    if (speed.fresh) {
        if (const auto reading = SpeedFromPeriod(speed.period, average_, rpmConstant))
            view_.speed = reading;
    }
    return view_;
}

} // namespace qx
