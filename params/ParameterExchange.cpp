#include "ParameterExchange.h"

#include "ChannelWriteTarget.h"
#include "ControllerProtocol.h"
#include "DialogService.h"
#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ParameterWrite.h"
#include "Pause.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"
#include "WriteRehearsal.h"

namespace qx {

ParameterExchange::ParameterExchange(ControllerProtocol &protocol, ParameterSet &parameters,
                                     std::function<QString(TextKey)> texts)
    : protocol_(protocol), parameters_(parameters), texts_(std::move(texts))
{
}

std::optional<BlockFacts> ParameterExchange::ReadParameters()
{
    SerialChannel &channel = protocol_.channel();
    channel.OpenPort(protocol_.portName());
    const std::optional<QString> threshold = protocol_.ReadAnalogThreshold();
    if (threshold)
        parameters_.setText(P::AnalogThreshold, *threshold);
    channel.ClosePort();
    channel.OpenPort(protocol_.portName());
    channel.SendByte(Cmd::ParameterBlock);
    pauseMs(BlockWaitMs);
    const bool answered = protocol_.takeReply(ControllerProtocol::ParameterBlockLength);
    channel.ClosePort();
    if (!answered)
        return std::nullopt;
    protocol_.noteParameterBlock();

    BlockFacts facts;
    if (!decodeParameterBlock(channel.reply(), parameters_, &facts))
        return std::nullopt;
    facts.thresholdRead = threshold.has_value();
    ProtocolState &state = protocol_.state();
    state.RpmConstant = facts.rpmConstant;
    state.ControllerFlags = facts.flags;
    state.known.learn(Sendable::Flags);
    state.ProbeVariant = facts.probeVariant;
    return facts;
}

ParameterExchange::WriteOutcome ParameterExchange::WriteAllParameters()
{
    ProtocolState &state = protocol_.state();
    // Rehearsed on copies first: the flag byte and the sensor switch change
    // only with a write that goes out.
    quint8 flags = state.ControllerFlags;
    ParameterSet trial = parameters_;
    const WriteContext context{state.RpmConstant, state.ControllerVersion, &flags,
                               state.known.knows(Sendable::SwitchTemperature),
                               state.known.knows(Sendable::AnalogThreshold), texts_};
    WriteRehearsal rehearsal;
    writeAllParameters(trial, context, rehearsal);
    if (!rehearsal.messages().isEmpty()) {
        for (const auto &[caption, text] : rehearsal.messages())
            showMessage(caption, text);
        return WriteOutcome::Refused;
    }
    ChannelWriteTarget target(protocol_);
    rehearsal.playTo(target);
    state.ControllerFlags = flags;
    parameters_.TempSensorOn = trial.TempSensorOn;
    // The live displays scale the probe by the variant the controller now has.
    const QString variant = parameters_.text(P::ProbeVariant);
    if (target.delivered() && codec::encodeProbeVariant(variant))
        state.ProbeVariant = variant;
    return target.delivered() ? WriteOutcome::Delivered : WriteOutcome::Undelivered;
}

void ParameterExchange::SaveAnalogThreshold()
{
    ChannelWriteTarget target(protocol_);
    target.openPort();
    target.pause(WriteStepPauseMs);
    target.send(Cmd::OpenBlock);
    WriteContext context;
    context.text = texts_;
    writeAnalogThreshold(parameters_, context, target);
    target.pause(WriteStepPauseMs);
    target.send(Cmd::CloseBlock);
    target.closePort();
}

} // namespace qx
