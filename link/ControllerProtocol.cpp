#include "ControllerProtocol.h"

#include "ControlsByName.h"
#include "Pause.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"

#include <QObject>

namespace qx {

namespace {

const QStringList &temperatureSensorControls()
{
    static const QStringList names = {
        QStringLiteral("CheckBox22_2"), QStringLiteral("checkbox22_2_label"),
        QStringLiteral("Edit22_1"),     QStringLiteral("minprzelbgLabel"),
        QStringLiteral("WlCzujtTempAd"), QStringLiteral("WlCzujtTempCheckAd"),
    };
    return names;
}

const QStringList &temperatureReadingControls()
{
    static const QStringList names = {
        QStringLiteral("paneltemp"), QStringLiteral("AbThermometer1"), QStringLiteral("Label42"),
        QStringLiteral("ZmiennaTemperatura"), QStringLiteral("ZmiennaTemperaturaLabel"),
    };
    return names;
}

} // namespace

ControllerProtocol::ControllerProtocol(SerialChannel &channel, TextSource texts)
    : channel_(channel), texts_(std::move(texts))
{
}

void ControllerProtocol::send(std::initializer_list<quint8> bytes)
{
    for (quint8 b : bytes)
        channel_.SendByte(b);
}

bool ControllerProtocol::QueryControllerOptions()
{
    channel_.OpenPort(portName_);
    send({Cmd::Version});
    pauseMs(OptionsWaitMs);
    channel_.ReadReply();
    channel_.ClosePort();
    channel_.reply().DecodeReply(8);
    return true;
}

void ControllerProtocol::ApplyTemperatureOptions(QObject *window)
{
    QueryControllerOptions();
    // Without a reply the previous reply's first byte decides, as it always has.
    const bool supported = channel_.reply().ReplyByte(0) >= FirstTempSensorVersion;
    state_.TempSensorSupported = supported;
    setVisibleByName(window, temperatureSensorControls(), supported);
    const bool sensorOn = supported && propertyByName(window, QStringLiteral("CheckBox22_2"), "checked").toBool();
    setVisibleByName(window, temperatureReadingControls(), sensorOn);
}

bool ControllerProtocol::CheckAnalogModel(QObject *window)
{
    channel_.ClosePort();
    channel_.OpenPort(portName_);
    send({Cmd::Version});
    pauseMs(AnalogCheckWaitMs);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    const bool analog = channel_.reply().ReplyByte(0) >= FirstAnalogVersion;
    setVisibleByName(window, {QStringLiteral("GroupBoxAnalog")}, analog);
    return analog;
}

void ControllerProtocol::ReadAnalogThreshold()
{
    send({Cmd::OpenBlock});
    pauseMs(ThresholdStepWaitMs);
    send({Cmd::AnalogThresholdRead});
    pauseMs(ThresholdStepWaitMs);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    state_.AnalogThresholdText = QString::number(channel_.reply().ReplyByte(1));
    send({Cmd::CloseBlock});
}

void ControllerProtocol::ShowControllerVersion(QObject *window)
{
    channel_.ClosePort();
    channel_.OpenPort(portName_);
    send({Cmd::Version});
    pauseMs(VersionCaptionWaitMs);
    // A zero first byte marks "no reply", so a stale version is never shown.
    channel_.reply().setRawByte(0, 0);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    const int number = channel_.reply().ReplyByte(0);

    QString caption = QStringLiteral("Quorvantix wersja 4.3 (Build ") + ProgramBuildText() + QStringLiteral(" - ");
    if (number != 0) {
        state_.ControllerVersion = number;
        state_.ControllerConnected = true;
        caption += texts_(ControllerLabelKey) + QLatin1Char(' ') + QString::number(number);
    } else {
        state_.ControllerVersion = 0;
        state_.ControllerConnected = false;
        caption += texts_(NoControllerKey);
    }
    if (window)
        window->setProperty("windowTitle", caption);
    channel_.ClosePort();
}

int ControllerProtocol::QueryIgnitionType()
{
    channel_.OpenPort(portName_);
    send({Cmd::ParameterBlock});
    pauseMs(IgnitionReadWaitMs);
    channel_.ReadReply();
    channel_.ClosePort();
    const ReplyBuffer &reply = channel_.reply();
    channel_.reply().DecodeReply(ParameterBlockLength);
    state_.ControllerFlags = quint8(reply.ReplyByte(8));
    state_.ProbeVariant = probeVariantFrom(reply.ReplyByte(31), reply.ReplyByte(8));
    state_.IgnitionTypeCode = ignitionTypeFromWord(reply.ReplyByte(32) + 256 * reply.ReplyByte(33)).code;
    return state_.IgnitionTypeCode;
}

void ControllerProtocol::LoadIgnitionType(QObject *window)
{
    const IgnitionType type = ignitionTypeFromWord(QueryIgnitionType());
    state_.RpmConstant = type.rpmConstant;
    setPropertyByName(window, QStringLiteral("ComboBox2"), "currentIndex", type.listIndex);
    const QVariant shown = propertyByName(window, QStringLiteral("ComboBox2"), "currentIndex");
    setPropertyByName(window, QStringLiteral("ComboTerm"), "currentIndex",
                      shown.isValid() ? shown : QVariant(type.listIndex));
}

bool ControllerProtocol::RequestLiveData()
{
    const int length = liveFrameLength(state_.ControllerVersion);
    int attempt = 1;
    bool answered = false;
    while (attempt < LiveAttemptLimit && !answered) {
        send({Cmd::LiveData});
        pauseMs(LiveWaitMs);
        answered = channel_.ReadLiveReply();
        ++attempt;
    }
    bool result = attempt <= LiveGoodWithinAttempts + 1;
    channel_.reply().DecodeReply(length);
    if (state_.ControllerVersion == ChecksumVersion)
        result = liveChecksumMatches(channel_.reply());
    return result;
}

QString ProgramBuildText()
{
#ifdef QX_BUILD_NUMBER
    return QString::number(QX_BUILD_NUMBER & 0xFFFF) + QLatin1Char(')');
#else
    return QStringLiteral("?.?");
#endif
}

} // namespace qx
