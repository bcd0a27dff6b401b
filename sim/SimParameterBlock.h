#pragma once

#include <QByteArray>

namespace qxsim {

constexpr int ParameterBlockSize = 37;

// The block a fresh controller holds: the program's reset values with the
// "4 cylindry" ignition type.
QByteArray defaultParameterBlock();

int rpmConstantForIgnition(int ignitionType);

// The values of a 37-byte parameter block that the simulated controller acts
// on, decoded into engineering units.
class ParameterBlock
{
public:
    explicit ParameterBlock(const QByteArray &bytes);

    int rpmConstant() const;
    double periodToRpm(int period) const;
    bool tempSensorOn() const;
    bool reserveSensor20K() const;
    int probeRange() const;
    bool probeReversed() const;
    double switchTemperatureCelsius() const;
    double switchRpm() const;
    double startDelaySeconds() const;
    double switchDelaySeconds() const;
    int tpsThreshold() const;  // in TPS reading units
    bool tpsFalling() const;   // the throttle opens as the reading drops
    int stepMin() const;       // stepper limits and start, 0 = closed
    int stepMax() const;
    int stepStart() const;
    double stepIntervalSeconds(bool aboveTpsThreshold) const;

private:
    quint8 byte(int offset) const;
    int word(int offset) const;

    QByteArray m_bytes;
};

} // namespace qxsim
