#include "SimParameterBlock.h"

#include <QtGlobal>

namespace qxsim {

namespace {

enum Offset {
    SwitchTemperature = 0,
    TpsThreshold = 5,
    SwitchRpm = 6,
    Flags = 8,
    StepMin = 10,
    StepMax = 11,
    StepStart = 12,
    SwitchDelay = 15,
    StartDelay = 22,
    StepSpeedBelowTps = 28,
    ProbeRange = 31,
    Ignition = 32,
    StepSpeedAboveTps = 34,
};

enum FlagBit { TpsFallingBit = 0x01, ProbeReversedBit = 0x02, TempSensorBit = 0x08, Reserve20KBit = 0x80 };

// A stepper speed n means "n times slower" than one step per tick.
constexpr double StepTickSeconds = 0.010;

} // namespace

QByteArray defaultParameterBlock()
{
    static const quint8 bytes[ParameterBlockSize] = {
        111,                  // switch temperature 0 °C
        122, 0, 244, 0,       // lambda times 500 ms and 500 ms
        25,                   // TPS threshold 1,25 V
        0x80, 0x07,           // switch at 2000 rpm
        0x00,                 // flags: rising TPS and RPM, no sensor, no cut-off, economy, 90R glass
        25,                   // lambda threshold 0,50 V
        245, 55, 155,         // stepper min 10, max 200, start 100
        0x25, 0x02,           // max 7000 rpm on gas
        0x18, 0x00,           // fuel overlap 100 ms
        0x80, 0x02,           // RPM delta 500
        0x00, 0x0A,           // cut-off at 1500 rpm
        225,                  // cut-off stepper level 30
        5,                    // start delay 1 s
        122, 0, 244, 0,       // second lambda time pair
        30,                   // stepper opening
        0xAE, 0xC4,           // stepper speed 6 below the TPS threshold
        0,
        1,                    // probe range 0-1 V
        2, 0,                 // ignition "4 cylindry"
        0xBC, 0xE3,           // stepper speed 3 above the TPS threshold
        0,
    };
    return QByteArray(reinterpret_cast<const char *>(bytes), ParameterBlockSize);
}

int rpmConstantForIgnition(int ignitionType)
{
    static const int constants[] = {19200, 9600, 4800, 4000, 3200, 2400};
    return ignitionType >= 0 && ignitionType < 6 ? constants[ignitionType] : 4800;
}

ParameterBlock::ParameterBlock(const QByteArray &bytes)
    : m_bytes(bytes)
{
    m_bytes.resize(ParameterBlockSize);
}

quint8 ParameterBlock::byte(int offset) const
{
    return quint8(m_bytes.at(offset));
}

int ParameterBlock::word(int offset) const
{
    return byte(offset) + 256 * byte(offset + 1);
}

int ParameterBlock::rpmConstant() const
{
    return rpmConstantForIgnition(word(Ignition));
}

double ParameterBlock::periodToRpm(int period) const
{
    return rpmConstant() * 800.0 / qMax(1, period);
}

bool ParameterBlock::tempSensorOn() const
{
    return byte(Flags) & TempSensorBit;
}

bool ParameterBlock::reserveSensor20K() const
{
    return byte(Flags) & Reserve20KBit;
}

int ParameterBlock::probeRange() const
{
    return byte(ProbeRange);
}

bool ParameterBlock::probeReversed() const
{
    return byte(Flags) & ProbeReversedBit;
}

double ParameterBlock::switchTemperatureCelsius() const
{
    return 2.0 * byte(SwitchTemperature) - 222;
}

double ParameterBlock::switchRpm() const
{
    return periodToRpm(word(SwitchRpm));
}

double ParameterBlock::startDelaySeconds() const
{
    return byte(StartDelay) * 0.2;
}

double ParameterBlock::switchDelaySeconds() const
{
    return word(SwitchDelay) * 0.004096;
}

int ParameterBlock::tpsThreshold() const
{
    return byte(TpsThreshold);
}

bool ParameterBlock::tpsFalling() const
{
    return byte(Flags) & TpsFallingBit;
}

int ParameterBlock::stepMin() const
{
    return qMin(255 - byte(StepMin), 255 - byte(StepMax));
}

int ParameterBlock::stepMax() const
{
    return qMax(255 - byte(StepMin), 255 - byte(StepMax));
}

int ParameterBlock::stepStart() const
{
    return qBound(stepMin(), 255 - byte(StepStart), stepMax());
}

double ParameterBlock::stepIntervalSeconds(bool aboveTpsThreshold) const
{
    const int raw = word(aboveTpsThreshold ? StepSpeedAboveTps : StepSpeedBelowTps);
    return qBound(1, qRound(25 - raw / 2650.0), 24) * StepTickSeconds;
}

} // namespace qxsim
