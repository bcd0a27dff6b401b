#include "DriveChannels.h"

#include "EngineSpeed.h"
#include "LiveSample.h"
#include "ReplyBuffer.h"
#include "Telemetry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qx {

namespace {

constexpr double Gap = std::numeric_limits<double>::quiet_NaN();
// Volts of a raw probe reading: 5 V over 0 … 255.
constexpr double VoltsPerProbeStep = 5.0 / 255;
constexpr double VoltsPerTpsStep = 0.05;

std::optional<LiveSample> sampleOf(const QByteArray &frame, const qxrec::RecordingHeader &header)
{
    if (frame.isEmpty())
        return std::nullopt;
    ReplyBuffer reply;
    reply.store(frame);
    reply.DecodeReply(int(frame.size()));
    const LiveSample sample =
        liveSample(reply, int(frame.size()), true, header.controllerVersion, header.temperatureSupported);
    if (!sample.fresh)
        return std::nullopt;
    return sample;
}

std::optional<double> bandMiddle(const QString &probeVariant)
{
    static const QStringList known = {"0", "1", "2", "3", "4"};
    if (!known.contains(probeVariant))
        return std::nullopt;
    const telemetry::ProbeDisplay display = telemetry::probeDisplay(probeVariant);
    return (display.bandStart + display.bandEnd) / 2.0 * VoltsPerProbeStep;
}

} // namespace

bool DriveChannels::isGap(int i) const
{
    return std::isnan(onGas.at(i));
}

DriveChannels driveChannels(const qxrec::DriveRecording &recording)
{
    const qxrec::RecordingHeader &header = recording.header;
    DriveChannels c;
    c.hasTemperature = header.temperatureSupported;
    c.lambdaThreshold = bandMiddle(header.probeVariant);
    for (const qxrec::RecordedPoll &poll : recording.polls) {
        c.seconds << poll.ms / 1000.0;
        const std::optional<LiveSample> s = sampleOf(poll.frame, header);
        if (!s) {
            for (QVector<double> *channel : {&c.rpm, &c.lambdaVolts, &c.tpsVolts, &c.stepper, &c.temperature,
                                             &c.gasPercent, &c.onGas})
                *channel << Gap;
            continue;
        }
        c.rpm << double(rpmFromPeriod(header.rpmConstant, s->period).value_or(0));
        c.lambdaVolts << s->probe * VoltsPerProbeStep;
        c.tpsVolts << s->tps * VoltsPerTpsStep;
        c.stepper << double(255 - s->stepper);
        c.temperature << (c.hasTemperature ? double(telemetry::temperatureCelsius(s->temperature)) : Gap);
        c.gasPercent << double(telemetry::gasLevel(s->level, header.reserveSensorType).percent);
        c.onGas << (s->onPetrol() ? 0.0 : 1.0);
    }
    return c;
}

DriveSummary driveSummary(const DriveChannels &c)
{
    DriveSummary summary;
    const int n = c.size();
    if (n == 0)
        return summary;
    summary.durationSeconds = c.seconds.constLast() - c.seconds.constFirst();
    double onPetrolSeconds = 0;
    int crossingsOnGas = 0;
    int crossingsOnPetrol = 0;
    for (int i = 0; i < n; ++i) {
        if (c.isGap(i)) {
            ++summary.pollsWithoutReply;
            continue;
        }
        const bool gas = c.onGas[i] > 0;
        const double lasted = i + 1 < n ? c.seconds[i + 1] - c.seconds[i] : 0;
        (gas ? summary.onGasSeconds : onPetrolSeconds) += lasted;
        const int rpm = int(c.rpm[i]);
        summary.highestRpm = std::max(summary.highestRpm.value_or(rpm), rpm);
        if (gas) {
            const int steps = int(c.stepper[i]);
            summary.stepperMinOnGas = std::min(summary.stepperMinOnGas.value_or(steps), steps);
            summary.stepperMaxOnGas = std::max(summary.stepperMaxOnGas.value_or(steps), steps);
        }
        // A crossing is counted on the poll that lands across the threshold
        // from the poll before it, both answered and on the same fuel.
        if (c.lambdaThreshold && i > 0 && !c.isGap(i - 1) && (c.onGas[i - 1] > 0) == gas) {
            const bool above = c.lambdaVolts[i] > *c.lambdaThreshold;
            if (above != (c.lambdaVolts[i - 1] > *c.lambdaThreshold))
                ++(gas ? crossingsOnGas : crossingsOnPetrol);
        }
    }
    if (c.lambdaThreshold) {
        if (summary.onGasSeconds > 0)
            summary.lambdaHzOnGas = crossingsOnGas / summary.onGasSeconds;
        if (onPetrolSeconds > 0)
            summary.lambdaHzOnPetrol = crossingsOnPetrol / onPetrolSeconds;
    }
    return summary;
}

} // namespace qx
