#pragma once

#include <QString>

#include <functional>

class QObject;

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
};

// The request/reply layer above the serial channel: identification of the
// controller and the live-data request every polling page uses. Each exchange
// runs to completion on the calling thread, waits included.
class ControllerProtocol
{
public:
    using TextSource = std::function<QString(int key)>;

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

    // Language keys of the texts this layer shows.
    static constexpr int ControllerLabelKey = 30000;
    static constexpr int NoControllerKey = 30001;

    ControllerProtocol(SerialChannel &channel, TextSource texts);

    SerialChannel &channel() { return channel_; }
    QString text(int key) const { return texts_(key); }
    ProtocolState &state() { return state_; }
    const ProtocolState &state() const { return state_; }

    // The program-wide port setting, "com1" … "com8", used by every open.
    QString portName() const { return portName_; }
    void setPortName(const QString &name) { portName_ = name; }

    bool QueryControllerOptions();
    void ApplyTemperatureOptions(QObject *window);
    bool CheckAnalogModel(QObject *window);
    void ReadAnalogThreshold();
    void ShowControllerVersion(QObject *window);
    int QueryIgnitionType();
    void LoadIgnitionType(QObject *window);
    bool RequestLiveData();

    // Sends a request of one or more bytes, each with its own pause.
    void send(std::initializer_list<quint8> bytes);

private:
    SerialChannel &channel_;
    TextSource texts_;
    ProtocolState state_;
    QString portName_ = QStringLiteral("com1");
};

// The build number of this program for the window caption: "12)" for version
// 4.3.0.12, or "?.?" when the program carries no version.
QString ProgramBuildText();

} // namespace qx
