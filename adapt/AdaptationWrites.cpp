#include "AdaptationWrites.h"

#include "AdaptationState.h"
#include "ParameterCatalogue.h"
#include "ParameterCodec.h"
#include "ProtocolTables.h"
#include "VehicleChoices.h"

namespace qx {

namespace {

constexpr int LambdaTimeLimitMs = 4000;
constexpr int FallbackRichMs = 700;
constexpr int FallbackSumMs = 1400;
// The values below are what the Parameters page would send for a start delay
// of 1 s, an overlap of 100 ms, stepper speeds 2 and 5 and a cut-off stepper
// level of 20.
constexpr int StartDelay = 5;
constexpr int SwitchDelayMs = 100;
constexpr int StepSpeedAboveTps = 2;
constexpr int StepSpeedBelowTps = 5;
constexpr int CutoffStepLevel = 20;
constexpr int OpeningWhileMeasuring = 0;

void sendLowHigh(WriteTarget &target, int value)
{
    target.send({value & 0xFF, (value >> 8) & 0xFF});
}

void sendWord(WriteTarget &target, quint8 command, int value)
{
    target.send(command);
    sendLowHigh(target, value);
}

int inverted(int barUnits)
{
    return (255 - barUnits) & 0xFF;
}

void reopen(WriteTarget &target)
{
    target.closePort();
    target.openPort();
}

// Commands 18, 19 and 6, which both writes send.
void sendStepperAndLambda(const AdaptationState &state, WriteTarget &target)
{
    target.send({commandOf(P::StepMin), inverted(state.StepperMin), inverted(state.StepperMax)});
    target.send({commandOf(P::StepStart), inverted(state.StepperStart)});
    const LambdaTickPair ticks = adaptationLambdaTicks(state.LambdaTimeRich, state.LambdaTimeLean);
    target.send(commandOf(P::LambdaLowTime));
    sendLowHigh(target, ticks.rich);
    sendLowHigh(target, ticks.sum);
}

} // namespace

std::optional<int> probeRangeCode(int probeRich)
{
    if (probeRich <= 60)
        return 1;
    if (probeRich <= 83)
        return 2;
    if (probeRich > 128)
        return 0;
    return std::nullopt;
}

LambdaTickPair adaptationLambdaTicks(int timeRichMs, int timeLeanMs)
{
    int rich = timeRichMs & 0xFFFF;
    int sum = (rich + (timeLeanMs & 0xFFFF)) & 0xFFFF;
    if (rich > LambdaTimeLimitMs || sum > LambdaTimeLimitMs) {
        rich = FallbackRichMs;
        sum = FallbackSumMs;
    }
    return {codec::lambdaTicks(rich), codec::lambdaTicks(sum)};
}

void writeAdaptationSet(const AdaptationState &state, const VehicleChoices &vehicle, const WriteContext &context,
                        WriteTarget &target)
{
    quint8 &flags = *context.flags;
    const auto period = [&](int rpm) { return codec::periodForRpm(rpm, context.rpmConstant) & 0xFFFF; };
    reopen(target);
    if (const auto range = probeRangeCode(state.ProbeRich))
        target.send({commandOf(P::ProbeVariant), *range});
    writeFlag(ProbeReversed, false, flags, target);
    target.send({commandOf(P::LambdaThreshold), state.ProbeThreshold & 0xFF});
    sendWord(target, commandOf(P::SwitchRpm), period(2000));
    target.send({commandOf(P::TpsThresholdVolts), state.TpsThresholdToWrite & 0xFF});
    sendWord(target, commandOf(P::MaxGasRpm), period(7000));
    writeFlag(RpmFalling, false, flags, target);
    sendWord(target, commandOf(P::RpmDelta), (period(1500) - period(2000)) & 0xFFFF);
    target.send({commandOf(P::StartDelay), StartDelay});
    writeFlag(TpsFalling, state.TpsRising == 0, flags, target);
    sendWord(target, commandOf(P::SwitchDelay), codec::switchDelayUnits(SwitchDelayMs));
    writeFlag(TempSensor, false, flags, target);
    writeFlag(DynamicMode, false, flags, target);
    target.send({commandOf(P::StepOpening), OpeningWhileMeasuring});
    sendWord(target, commandOf(P::StepSpeedAboveTps), *codec::encodeStepSpeed(StepSpeedAboveTps));
    sendWord(target, commandOf(P::StepSpeedBelowTps), *codec::encodeStepSpeed(StepSpeedBelowTps));
    if (vehicle.automaticGearbox || vehicle.manualGearbox)
        writeFlag(Cutoff, vehicle.automaticGearbox, flags, target);
    target.send({commandOf(P::CutoffStepLevel), inverted(CutoffStepLevel)});
    sendWord(target, commandOf(P::CutoffRpm), period(1500));
    if (vehicle.glass20k)
        writeFlag(Glass20K, true, flags, target);
    if (vehicle.glass90R)
        writeFlag(Glass20K, false, flags, target);
    sendStepperAndLambda(state, target);
    target.send(Cmd::CloseBlock);
    reopen(target);
}

void writeFinalAdaptation(const AdaptationState &state, const VehicleChoices &vehicle, quint8 &tempSensorOn,
                          const WriteContext &context, WriteTarget &target)
{
    reopen(target);
    target.send({commandOf(P::TpsThresholdVolts), state.TpsThresholdToWrite & 0xFF});
    sendStepperAndLambda(state, target);
    target.send({commandOf(P::StepOpening), stepperOpening(vehicle)});
    writeTempSensorFlag(tempSensorOn, context, target);
    target.send(Cmd::CloseBlock);
    reopen(target);
}

} // namespace qx
