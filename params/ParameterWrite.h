#pragma once

#include "BuiltInTexts.h"

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

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
    // The texts of the boxes a refused value brings, in the fitter's language.
    std::function<QString(TextKey)> text = builtInText;
};

// The pause between the parameter commands of a write.
constexpr int WriteStepPauseMs = 20;

// Why a value is left out of a write; the write tells the fitter in a box.
enum class Refusal { WrongData, NoNumbers, SpeedRange, LambdaTimesLimit };

// What an encoder reads: the value's text, the set it belongs to (for the
// value its encoding depends on) and the RPM constant.
struct EncodeInput
{
    const QString &text;
    const ParameterSet &set;
    int rpmConstant;
};

// The value to send, or none: left out quietly, or refused for the reasons given.
struct Encoded
{
    std::optional<int> value;
    QList<Refusal> refusals;
};
using Encoder = Encoded (*)(const EncodeInput &input);

// Whether a flag parameter's text sets its bit; none leaves the flag byte unsent.
using FlagRule = std::optional<bool> (*)(const QString &text);

// One command of a value's turn in the write of the whole page; the write
// pauses after each.
struct WriteStep
{
    enum Kind {
        Value,          // command, then the encoded value in bytes bytes, low first
        Flag,           // flagBit of the held flag byte as flagOn says, the byte sent whole
        SensorSwitch,   // the temperature-sensor switch, as writeTempSensorFlag sends it
        ThresholdBlock, // the analog threshold, as writeAnalogThreshold sends it
    };
    Kind kind;
    quint8 command = 0;
    int bytes = 0;
    Encoder encode = nullptr;
    quint8 flagBit = 0;
    FlagRule flagOn = nullptr;
};

// The whole parameter set in one configuration block: 0xAA, the catalogue's
// values in its write order, each step followed by a pause, then 0x0A. A
// value that fails its check is reported and left out; the rest is written
// and the block is always closed.
void writeAllParameters(ParameterSet &parameters, const WriteContext &context, WriteTarget &target);

// One bit of the held flag byte set or cleared, then the whole byte sent
// (command 11): the controller takes its flags only as a byte.
void writeFlag(quint8 bit, bool on, quint8 &flags, WriteTarget &target);

// The temperature-sensor switch: forced off on a version-3 controller, which
// has no sensor input; bit 3 follows it and the flag byte goes out twice.
void writeTempSensorFlag(quint8 &tempSensorOn, const WriteContext &context, WriteTarget &target);

// The analog RPM threshold alone: the port closed and reopened, then
// 0xAA, 0x23 and the value, 20 ms apart.
void writeAnalogThreshold(const ParameterSet &parameters, const WriteContext &context, WriteTarget &target);

} // namespace qx
