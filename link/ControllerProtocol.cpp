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

bool ControllerProtocol::takeReply(int positions)
{
    channel_.ReadReply();
    if (channel_.lastReadEmpty() || channel_.lastReadCount() < positions)
        return false;
    channel_.reply().DecodeReply(positions);
    return true;
}

void ControllerProtocol::forgetController()
{
    state_.known.forgetAll();
    state_.AnalogThresholdText.clear();
}

bool ControllerProtocol::QueryControllerOptions()
{
    OpenPort();
    send({Cmd::Version});
    pauseMs(OptionsWaitMs);
    const bool answered = takeReply(8);
    ClosePort();
    return answered;
}

std::optional<bool> ControllerProtocol::ApplyTemperatureOptions()
{
    if (!QueryControllerOptions())
        return std::nullopt;
    state_.TempSensorSupported = channel_.reply().ReplyByte(0) >= FirstTempSensorVersion;
    return state_.TempSensorSupported;
}

std::optional<bool> ControllerProtocol::CheckAnalogModel()
{
    ClosePort();
    OpenPort();
    send({Cmd::Version});
    pauseMs(AnalogCheckWaitMs);
    if (!takeReply(2))
        return std::nullopt;
    return channel_.reply().ReplyByte(0) >= FirstAnalogVersion;
}

std::optional<QString> ControllerProtocol::ReadAnalogThreshold()
{
    send({Cmd::OpenBlock});
    pauseMs(ThresholdStepWaitMs);
    send({Cmd::AnalogThresholdRead});
    pauseMs(ThresholdStepWaitMs);
    const bool answered = takeReply(2);
    if (answered)
        state_.AnalogThresholdText = QString::number(channel_.reply().ReplyByte(1));
    send({Cmd::CloseBlock});
    if (!answered)
        return std::nullopt;
    return state_.AnalogThresholdText;
}

int ControllerProtocol::ShowControllerVersion()
{
    ClosePort();
    OpenPort();
    send({Cmd::Version});
    pauseMs(VersionCaptionWaitMs);
    const int number = takeReply(2) ? channel_.reply().ReplyByte(0) : 0;
    state_.ControllerVersion = number;
    state_.ControllerConnected = number != 0;
    ClosePort();
    return number;
}

std::optional<int> ControllerProtocol::QueryIgnitionType()
{
    OpenPort();
    send({Cmd::ParameterBlock});
    pauseMs(IgnitionReadWaitMs);
    const bool answered = takeReply(ParameterBlockLength);
    ClosePort();
    if (!answered)
        return std::nullopt;
    noteParameterBlock();
    const ReplyBuffer &reply = channel_.reply();
    state_.ControllerFlags = quint8(reply.ReplyByte(8));
    state_.known.learn(Sendable::Flags);
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

std::optional<IgnitionType> ControllerProtocol::LoadIgnitionType()
{
    const std::optional<int> code = QueryIgnitionType();
    if (!code)
        return std::nullopt;
    const IgnitionType type = ignitionTypeFromWord(*code);
    state_.RpmConstant = type.rpmConstant;
    return type;
}

void ControllerProtocol::useIgnitionEntry(int listIndex)
{
    if (const int constant = rpmConstantForIgnitionIndex(listIndex))
        state_.RpmConstant = constant;
}

LiveSample ControllerProtocol::RequestLiveData()
{
    int attempt = 1;
    bool answered = false;
    while (attempt < LiveAttemptLimit && !answered) {
        send({Cmd::LiveData});
        pauseMs(LiveWaitMs);
        answered = channel_.ReadLiveReply();
        ++attempt;
    }
    channel_.reply().DecodeReply(liveFrameLength(state_.ControllerVersion));
    return liveSample(channel_.reply(), channel_.lastReadCount(), attempt <= LiveGoodWithinAttempts + 1,
                      state_.ControllerVersion, state_.TempSensorSupported);
}

} // namespace qx
