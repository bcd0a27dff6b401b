#pragma once

#include <QString>

#include <initializer_list>

namespace qx {

class ParameterSet;

// Where a write goes: the serial channel in the program, a recorder in tests.
class WriteTarget
{
public:
    virtual ~WriteTarget() = default;
    virtual void openPort() = 0;
    virtual void closePort() = 0;
    virtual void send(quint8 byte) = 0;
    virtual void pause(int milliseconds) = 0;
    // A modal box with an OK button and no icon.
    virtual void message(const QString &caption, const QString &text) = 0;

    void send(std::initializer_list<int> bytes)
    {
        for (int b : bytes)
            send(quint8(b));
    }
};

// Bits of the controller's flag byte that writes change.
enum FlagBit : quint8 {
    TpsFalling = 0x01,
    ProbeReversed = 0x02,
    RpmFalling = 0x04,
    TempSensor = 0x08,
    Cutoff = 0x10,
    DynamicMode = 0x40,
    Glass20K = 0x80,
};

// What the write needs besides the parameters.
struct WriteContext
{
    int rpmConstant = 0;
    int controllerVersion = 0;
    // The controller's flag byte as last read or sent; the write changes it.
    quint8 *flags = nullptr;
    // No file holds the switch temperature or the analog threshold: each is
    // written only once the car gave it or the fitter set it.
    bool switchTemperatureKnown = true;
    bool analogThresholdKnown = true;
};

// The pause between the parameter commands of a write.
constexpr int WriteStepPauseMs = 20;

// The whole parameter set in one configuration block: 0xAA, one command per
// parameter with the flag byte again after each flag parameter, the analog
// threshold in a second block opening, then 0x0A. A value that fails its
// check is reported and left out; the rest is written and the block is
// always closed.
void writeAllParameters(ParameterSet &parameters, const WriteContext &context, WriteTarget &target);

// One bit of the held flag byte set or cleared, then the whole byte sent
// (command 11): the controller takes its flags only as a byte.
void writeFlag(quint8 bit, bool on, quint8 &flags, WriteTarget &target);

// The temperature-sensor switch: forced off on a version-3 controller, which
// has no sensor input; bit 3 follows it and the flag byte goes out twice.
void writeTempSensorFlag(quint8 &tempSensorOn, const WriteContext &context, WriteTarget &target);

// The analog RPM threshold alone: the port closed and reopened, then
// 0xAA, 0x23 and the value, 20 ms apart.
void writeAnalogThreshold(const ParameterSet &parameters, WriteTarget &target);

} // namespace qx
