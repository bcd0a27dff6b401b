#include "ControllerProtocol.h"

#include "Pause.h"
#include "SerialChannel.h"

namespace qx {

ControllerProtocol::ControllerProtocol(SerialChannel &channel)
    : channel_(channel)
{
}

bool ControllerProtocol::OpenPort()
{
    return channel_.OpenPort(portName_);
}

void ControllerProtocol::ClosePort()
{
    channel_.ClosePort();
}

void ControllerProtocol::send(std::initializer_list<quint8> bytes)
{
    for (quint8 b : bytes)
        channel_.SendByte(b);
}

void ControllerProtocol::SendIgnitionType(int listIndex)
{
    send({Cmd::IgnitionType, quint8(listIndex & 0xFF), quint8((listIndex >> 8) & 0xFF)});
}

bool ControllerProtocol::QueryControllerOptions()
{
    OpenPort();
    send({Cmd::Version});
    pauseMs(OptionsWaitMs);
    channel_.ReadReply();
    ClosePort();
    channel_.reply().DecodeReply(8);
    return true;
}

bool ControllerProtocol::ApplyTemperatureOptions()
{
    QueryControllerOptions();
    state_.TempSensorSupported = channel_.reply().ReplyByte(0) >= FirstTempSensorVersion;
    return state_.TempSensorSupported;
}

bool ControllerProtocol::CheckAnalogModel()
{
    ClosePort();
    OpenPort();
    send({Cmd::Version});
    pauseMs(AnalogCheckWaitMs);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    return channel_.reply().ReplyByte(0) >= FirstAnalogVersion;
}

QString ControllerProtocol::ReadAnalogThreshold()
{
    send({Cmd::OpenBlock});
    pauseMs(ThresholdStepWaitMs);
    send({Cmd::AnalogThresholdRead});
    pauseMs(ThresholdStepWaitMs);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    state_.AnalogThresholdText = QString::number(channel_.reply().ReplyByte(1));
    send({Cmd::CloseBlock});
    return state_.AnalogThresholdText;
}

int ControllerProtocol::ShowControllerVersion()
{
    ClosePort();
    OpenPort();
    send({Cmd::Version});
    pauseMs(VersionCaptionWaitMs);
    // A zero first byte marks "no reply", so a stale version is never shown.
    channel_.reply().setRawByte(0, 0);
    channel_.ReadReply();
    channel_.reply().DecodeReply(2);
    const int number = channel_.reply().ReplyByte(0);
    state_.ControllerVersion = number;
    state_.ControllerConnected = number != 0;
    ClosePort();
    return number;
}

int ControllerProtocol::QueryIgnitionType()
{
    OpenPort();
    send({Cmd::ParameterBlock});
    pauseMs(IgnitionReadWaitMs);
    channel_.ReadReply();
    ClosePort();
    noteParameterBlock();
    ReplyBuffer &reply = channel_.reply();
    reply.DecodeReply(ParameterBlockLength);
    state_.ControllerFlags = quint8(reply.ReplyByte(8));
    state_.ProbeVariant = probeVariantFrom(reply.ReplyByte(31), reply.ReplyByte(8));
    state_.IgnitionTypeCode = ignitionTypeFromWord(reply.ReplyByte(32) + 256 * reply.ReplyByte(33)).code;
    return state_.IgnitionTypeCode;
}

void ControllerProtocol::noteParameterBlock()
{
    if (!onParameterBlock || channel_.lastReadEmpty() || channel_.lastReadCount() < ParameterBlockLength)
        return;
    QByteArray block(ParameterBlockLength, '\0');
    for (int i = 0; i < ParameterBlockLength; ++i)
        block[i] = char(channel_.reply().rawByte(i));
    onParameterBlock(block);
}

IgnitionType ControllerProtocol::LoadIgnitionType()
{
    const IgnitionType type = ignitionTypeFromWord(QueryIgnitionType());
    state_.RpmConstant = type.rpmConstant;
    return type;
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
