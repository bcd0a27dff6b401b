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

// Output of the probe kinds the controller knows, by probe range code.
ProbeLevels probeLevels(int probeRange)
{
    switch (probeRange) {
    case 0:
        return {0.5, 4.5};
    case 2:
        return {0.85, 1.55};
    default:
        return {0.1, 0.85};
    }
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

quint8 lambdaByte(double lambda, int probeRange, bool reversed)
{
    const ProbeLevels levels = probeLevels(probeRange);
    if (reversed && probeRange != 2)
        lambda = 1 - lambda;
    const double volts = levels.leanVolts + (levels.richVolts - levels.leanVolts) * lambda;
    return quint8(qBound(0, qRound(volts * 51), 255));
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
    frame[0] = char(lambdaByte(car.lambda, block.probeRange(), block.probeReversed()));
    frame[1] = char(tpsReading(car.throttlePercent));
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
