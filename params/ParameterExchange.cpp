#include "ParameterExchange.h"

#include "ChannelWriteTarget.h"
#include "ControllerProtocol.h"
#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ParameterWrite.h"
#include "Pause.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"

namespace qx {

ParameterExchange::ParameterExchange(ControllerProtocol &protocol, ParameterSet &parameters)
    : protocol_(protocol), parameters_(parameters)
{
}

std::optional<BlockFacts> ParameterExchange::ReadParameters()
{
    SerialChannel &channel = protocol_.channel();
    channel.OpenPort(protocol_.portName());
    protocol_.ReadAnalogThreshold();
    parameters_.setText(P::AnalogThreshold, protocol_.state().AnalogThresholdText);
    channel.ClosePort();
    channel.OpenPort(protocol_.portName());
    channel.SendByte(Cmd::ParameterBlock);
    pauseMs(BlockWaitMs);
    channel.ReadReply();
    channel.ClosePort();
    protocol_.noteParameterBlock();
    channel.reply().DecodeReply(ControllerProtocol::ParameterBlockLength);
    // Without a reply the buffer still holds an older one (often a live
    // frame); decoding that would put nonsense on the page.
    if (channel.lastReadEmpty())
        return std::nullopt;

    BlockFacts facts;
    if (!decodeParameterBlock(channel.reply(), parameters_, &facts))
        return std::nullopt;
    ProtocolState &state = protocol_.state();
    state.RpmConstant = facts.rpmConstant;
    state.ControllerFlags = facts.flags;
    state.ProbeVariant = facts.probeVariant;
    return facts;
}

bool ParameterExchange::WriteAllParameters(bool controllerOnlyValuesKnown)
{
    ChannelWriteTarget target(protocol_);
    ProtocolState &state = protocol_.state();
    writeAllParameters(parameters_,
                       {state.RpmConstant, state.ControllerVersion, &state.ControllerFlags, controllerOnlyValuesKnown},
                       target);
    // The live displays scale the probe by the variant the controller now has.
    const QString variant = parameters_.text(P::ProbeVariant);
    if (target.delivered() && codec::encodeProbeVariant(variant))
        state.ProbeVariant = variant;
    return target.delivered();
}

void ParameterExchange::SaveAnalogThreshold()
{
    ChannelWriteTarget target(protocol_);
    target.openPort();
    target.pause(WriteStepPauseMs);
    target.send(Cmd::OpenBlock);
    writeAnalogThreshold(parameters_, target);
    target.pause(WriteStepPauseMs);
    target.send(Cmd::CloseBlock);
    target.closePort();
}

} // namespace qx
