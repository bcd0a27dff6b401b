#include "SimLiveFrame.h"

#include "SimCar.h"
#include "SimParameterBlock.h"

#include <QtGlobal>

namespace qxsim {

namespace {

struct ProbeLevels
{
    double leanVolts;
    double richVolts;
};

ProbeLevels probeLevels(ProbeKind kind)
{
    switch (kind) {
    case ProbeKind::Wide:
        return {0.5, 4.5};
    case ProbeKind::Band:
        return {0.85, 1.55};
    default:
        return {0.1, 0.85};
    }
}

// The probe kind each probe range code of the controller stands for.
ProbeKind probeKindForRange(int probeRange)
{
    switch (probeRange) {
    case 0:
        return ProbeKind::Wide;
    case 2:
        return ProbeKind::Band;
    default:
        return ProbeKind::Narrow;
    }
}

quint8 voltsByte(double volts)
{
    return quint8(qBound(0, qRound(volts * 51), 255));
}

} // namespace

int liveFrameLength(int version)
{
    return version < 5 ? 8 : 9;
}

quint16 speedPeriod(double rpm, int rpmConstant)
{
    // With no ignition pulses the controller's period counter runs out.
    if (rpm <= 0)
        return 65535;
    return quint16(qMin(65535.0, double(qRound(rpmConstant * 800.0 / rpm))));
}

quint8 temperatureByte(double celsius)
{
    return quint8(qBound(96, qRound(110 + celsius / 1.9), 155));
}

quint8 gasLevelByte(double percent, bool sensor20K)
{
    return quint8(qBound(0, sensor20K ? qRound(250 - percent * 2.8) : qRound(percent * 0.4), 255));
}

quint8 probeByte(const CarState &car, const ParameterBlock &block)
{
    if (car.probe == ProbeKind::Dead)
        return voltsByte(car.deadProbeVolts);
    double lambda = car.lambda;
    ProbeKind kind = car.probe;
    if (kind == ProbeKind::Auto) {
        kind = probeKindForRange(block.probeRange());
        if (block.probeReversed() && kind != ProbeKind::Band)
            lambda = 1 - lambda;
    }
    const ProbeLevels levels = probeLevels(kind);
    return voltsByte(levels.leanVolts + (levels.richVolts - levels.leanVolts) * lambda);
}

quint8 frameChecksum(const QByteArray &frame)
{
    quint8 sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += quint8(frame.at(i));
    return sum;
}

QByteArray liveFrame(const CarState &car, int version, const ParameterBlock &block)
{
    QByteArray frame(liveFrameLength(version), '\0');
    const quint8 gas = gasLevelByte(car.gasPercent, block.reserveSensor20K());
    const quint16 period = speedPeriod(car.rpm, block.rpmConstant());
    frame[0] = char(probeByte(car, block));
    frame[1] = char(tpsReading(car.throttlePercent, car.tpsFalling));
    if (version >= 4) {
        frame[2] = char(temperatureByte(car.coolantCelsius));
        frame[3] = char(gas);
    } else {
        frame[2] = char(gas);
    }
    frame[4] = char(period & 0xFF);
    frame[5] = char(period >> 8);
    frame[6] = char(255 - car.stepperPosition);
    if (frame.size() == 9)
        frame[7] = char(frameChecksum(frame));
    return frame;
}

} // namespace qxsim
