#pragma once

#include "KnownValues.h"
#include "LiveSample.h"
#include "ProtocolTables.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

namespace qx {

class SerialChannel;

// What identification has learnt about the controller, for the whole program.
struct ProtocolState
{
    int ControllerVersion = 0;
    bool ControllerConnected = false;
    bool TempSensorSupported = false;
    QString ProbeVariant = QStringLiteral("0");
    quint8 ControllerFlags = 0;
    int IgnitionTypeCode = 0;
    int RpmConstant = 0;
    QString AnalogThresholdText;
    // What of the controller now connected the program may send back.
    KnownValues known;
};

// What one run of identification steps found out, for the window to show.
// Only the steps that ran fill their part.
struct Identification
{
    std::optional<bool> tempSensorSupported; // options query
    std::optional<bool> analogModel;         // analog check: the threshold group is offered
    std::optional<QString> analogThreshold;  // threshold read: the text of the RPM page's field
    std::optional<int> version;              // version query: 0 when no controller answered
    std::optional<int> ignitionListIndex;    // ignition type: the entry of the ignition lists
    std::optional<bool> tempSensorOn;        // the sensor switch as the flag byte read with it has it
};

// The request/reply layer above the serial channel: identification of the
// controller and the live-data request every polling page uses. Each exchange
// runs to completion on the calling thread, waits included. It returns facts
// and never touches the window.
class ControllerProtocol
{
public:
    // Waits after the request, in milliseconds, before the reply is taken.
    static constexpr int OptionsWaitMs = 400;
    static constexpr int AnalogCheckWaitMs = 200;
    static constexpr int VersionCaptionWaitMs = 20;
    static constexpr int ThresholdStepWaitMs = 50;
    static constexpr int IgnitionReadWaitMs = 100;
    static constexpr int LiveWaitMs = 20;
    static constexpr int LiveAttemptLimit = 15;      // attempts while below this count
    static constexpr int LiveGoodWithinAttempts = 9; // a later success still reports failure
    static constexpr int ParameterBlockLength = 37;

    explicit ControllerProtocol(SerialChannel &channel);

    SerialChannel &channel() { return channel_; }
    ProtocolState &state() { return state_; }
    const ProtocolState &state() const { return state_; }

    // The program-wide port setting, "com1" … "com8", used by every open.
    QString portName() const { return portName_; }
    void setPortName(const QString &name) { portName_ = name; }
    bool OpenPort();
    void ClosePort();

    // Each query below decodes only a reply of its own: without one, or with
    // fewer bytes than it reads, it gives nothing and changes nothing.
    bool QueryControllerOptions();
    // The options query; whether the temperature-sensor controls belong on
    // the window.
    std::optional<bool> ApplyTemperatureOptions();
    // Reopens the port and asks the version; true for a controller with the
    // analog threshold. The port is left open.
    std::optional<bool> CheckAnalogModel();
    // The threshold read inside a configuration block, on the open port.
    std::optional<QString> ReadAnalogThreshold();
    // The version query on a reopened port, which it leaves closed; 0 when no
    // controller answered.
    int ShowControllerVersion();
    // The ignition code of the parameter block; the flag byte and probe
    // variant come with it.
    std::optional<int> QueryIgnitionType();
    // The ignition type with its RPM constant, which it makes current.
    std::optional<IgnitionType> LoadIgnitionType();
    // The ignition list's entry turns the speed period into RPM from now on,
    // before the controller is told; with no entry chosen the constant stays.
    void useIgnitionEntry(int listIndex);
    // The live-data request, its frame decoded.
    LiveSample RequestLiveData();

    // Told of each parameter block that arrived whole, as the controller sent
    // it, at once after its read.
    std::function<void(const QByteArray &block)> onParameterBlock;
    // After a read of command 9: passes the block on when it came whole.
    void noteParameterBlock();
    // Takes the reply now waiting and decodes the positions asked for; false,
    // with nothing decoded, unless it brought that many bytes. An older
    // reply's bytes never pass for this one's.
    bool takeReply(int positions);
    // Another controller may be on the line now: nothing known of the last
    // one may be sent to it.
    void forgetController();

    // Sends a request of one or more bytes, each with its own pause.
    void send(std::initializer_list<quint8> bytes);
    // Command 31 with an entry of the ignition list, low byte first.
    void SendIgnitionType(int listIndex);

private:
    SerialChannel &channel_;
    ProtocolState state_;
    QString portName_ = QStringLiteral("com1");
};

} // namespace qx
