#include "ParameterBlock.h"

#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ProtocolTables.h"
#include "ReplyBuffer.h"

namespace qx {

namespace {

QString bit(int flags, int mask)
{
    return (flags & mask) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

bool decodeParameterBlock(const ReplyBuffer &reply, ParameterSet &parameters, BlockFacts *facts)
{
    const auto b = [&](int i) { return reply.ReplyByte(i); };
    const auto word = [&](int i) { return b(i) + 256 * b(i + 1); };

    const int ignition = word(32);
    if (ignition == 257)
        return false;
    const IgnitionType type = ignitionTypeFromWord(ignition);
    const int c = type.rpmConstant;
    facts->rpmConstant = c;
    facts->ignitionListIndex = type.listIndex;
    facts->ignitionKnown = type.code < IgnitionListEntries;

    const int flags = b(8);
    facts->flags = quint8(flags);
    facts->probeVariant = probeVariantFrom(b(31), flags);
    parameters.setText(P::ProbeVariant, facts->probeVariant);

    const codec::LambdaTimes times = codec::decodeLambdaTimes(word(1), word(3));
    parameters.setText(P::LambdaLowTime, times.low);
    parameters.setText(P::LambdaHighTime, times.high);
    const bool bosch = times.low == QLatin1String("0") && times.high == QLatin1String("0");
    parameters.setText(P::BoschProbe, bosch ? QStringLiteral("1") : QStringLiteral("0"));

    parameters.setText(P::TpsThresholdVolts, codec::decodeTpsThreshold(b(5)));
    parameters.setText(P::SwitchRpm, codec::decodeSwitchRpm(word(6), c));

    parameters.setText(P::TpsType, bit(flags, 0x01));
    parameters.setText(P::RpmKind, bit(flags, 0x04));
    parameters.setText(P::OperatingMode, bit(flags, 0x40));
    parameters.setText(P::CutoffOn, bit(flags, 0x10));
    parameters.setText(P::ReserveSensorType, (flags & 0x80) ? QStringLiteral("0") : QStringLiteral("1"));
    facts->tempSensorOn = flags & 0x08;
    parameters.TempSensorOn = facts->tempSensorOn ? 1 : 0;

    parameters.setText(P::LambdaThreshold, codec::decodeLambdaThreshold(b(9)));
    parameters.setText(P::StepMin, codec::decodeInverted(b(10)));
    parameters.setText(P::StepMax, codec::decodeInverted(b(11)));
    parameters.setText(P::StepStart, codec::decodeInverted(b(12)));

    const codec::MaxGasRpm maxGas = codec::decodeMaxGasRpm(word(13), c);
    parameters.setText(P::MaxGasRpm, maxGas.text);
    parameters.setText(P::MaxGasRpmOff, maxGas.off);

    parameters.setText(P::RpmDelta, codec::decodeRpmDelta(word(17), parameters.text(P::SwitchRpm), c));
    parameters.setText(P::CutoffRpm, codec::decodeCutoffRpm(word(19), c));
    parameters.setText(P::CutoffStepLevel, codec::decodeInverted(b(21)));
    parameters.setText(P::StartDelay, codec::decodeStartDelay(b(22)));
    parameters.setText(P::StepOpening, QString::number(b(27)));
    parameters.setText(P::StepSpeedBelowTps, codec::decodeStepSpeed(word(28)));
    parameters.setText(P::StepSpeedAboveTps, codec::decodeStepSpeed(word(34)));
    parameters.setText(P::SwitchDelay, codec::decodeSwitchDelay(word(15)));
    parameters.setText(P::SwitchTemperature, codec::decodeSwitchTemperature(b(0)));
    return true;
}

} // namespace qx
