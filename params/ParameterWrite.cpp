#include "ParameterWrite.h"

#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ProtocolTables.h"

namespace qx {

namespace {

void tell(Refusal refusal, const WriteContext &context, WriteTarget &target)
{
    const auto &text = context.text;
    switch (refusal) {
    case Refusal::WrongData:
        target.message(text(TextKey::WriteErrorCaption), text(TextKey::WrongData));
        break;
    case Refusal::NoNumbers:
        target.message(text(TextKey::WriteErrorCaption), text(TextKey::NoNumbers));
        break;
    case Refusal::SpeedRange:
        target.message(text(TextKey::WriteErrorCaption), text(TextKey::StepSpeedRange));
        break;
    case Refusal::LambdaTimesLimit:
        target.message(text(TextKey::LambdaTimesCaption),
                       text(TextKey::LambdaTimesLimits) + QLatin1Char('\n') + text(TextKey::LambdaTimesSum));
        break;
    }
}

void sendValue(const WriteStep &step, const EncodeInput &input, const WriteContext &context, WriteTarget &target)
{
    const Encoded encoded = step.encode(input);
    for (Refusal refusal : encoded.refusals)
        tell(refusal, context, target);
    if (!encoded.value)
        return;
    target.send(step.command);
    for (int i = 0; i < step.bytes; ++i)
        target.send(quint8(*encoded.value >> (8 * i)));
}

void sendStep(const WriteStep &step, Param param, ParameterSet &parameters, const WriteContext &context,
              WriteTarget &target)
{
    const QString &text = parameters.text(param);
    switch (step.kind) {
    case WriteStep::Value:
        sendValue(step, {text, parameters, context.rpmConstant}, context, target);
        break;
    case WriteStep::Flag:
        if (const std::optional<bool> on = step.flagOn(text))
            writeFlag(step.flagBit, *on, *context.flags, target);
        break;
    case WriteStep::SensorSwitch:
        writeTempSensorFlag(parameters.TempSensorOn, context, target);
        break;
    case WriteStep::ThresholdBlock:
        writeAnalogThreshold(parameters, context, target);
        break;
    }
}

} // namespace

void writeAllParameters(ParameterSet &parameters, const WriteContext &context, WriteTarget &target)
{
    target.openPort();
    target.send(Cmd::OpenBlock);
    for (const ParameterEntry *entry : catalogueWriteOrder()) {
        const bool known = !entry->write.onlyIfKnown || context.*entry->write.onlyIfKnown;
        for (const WriteStep &step : entry->write.steps) {
            if (known)
                sendStep(step, entry->param, parameters, context, target);
            target.pause(WriteStepPauseMs);
        }
    }
    target.send(Cmd::CloseBlock);
    target.closePort();
}

void writeFlag(quint8 bit, bool on, quint8 &flags, WriteTarget &target)
{
    flags = on ? quint8(flags | bit) : quint8(flags & ~bit);
    target.send({Cmd::Flags, flags});
}

void writeTempSensorFlag(quint8 &tempSensorOn, const WriteContext &context, WriteTarget &target)
{
    if (context.controllerVersion == 3)
        tempSensorOn = 0;
    writeFlag(TempSensor, tempSensorOn != 0, *context.flags, target);
    target.send({Cmd::Flags, *context.flags});
}

void writeAnalogThreshold(const ParameterSet &parameters, const WriteContext &context, WriteTarget &target)
{
    target.closePort();
    target.openPort();
    target.send(Cmd::OpenBlock);
    target.pause(WriteStepPauseMs);
    const auto value = codec::parseInteger(parameters.text(P::AnalogThreshold));
    if (!value) {
        tell(Refusal::WrongData, context, target);
        return;
    }
    target.send(Cmd::AnalogThresholdWrite);
    target.pause(WriteStepPauseMs);
    target.send(quint8(*value & 0xFF));
    target.pause(WriteStepPauseMs);
}

} // namespace qx
