#include "ParameterWrite.h"

#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ProtocolTables.h"

namespace qx {

namespace {

const QString ErrorCaption = QStringLiteral("Błąd");
const QString WrongData = QStringLiteral("Błędna dana");

class Writer
{
public:
    Writer(ParameterSet &parameters, const WriteContext &context, WriteTarget &target)
        : p_(parameters), c_(context), t_(target)
    {
    }

    void run();

private:
    const QString &text(Param param) const { return p_.text(param); }
    void step() { t_.pause(WriteStepPauseMs); }
    void setFlag(quint8 bit, bool on) { writeFlag(bit, on, *c_.flags, t_); }
    // A flag parameter sends only when its text is "0" or "1".
    void flagFromText(quint8 bit, Param param, bool setWhen = true)
    {
        const QString &v = text(param);
        if (v == QLatin1String("0") || v == QLatin1String("1"))
            setFlag(bit, (v == QLatin1String("1")) == setWhen);
    }
    // One command with its value; an empty text is left out quietly, a text
    // that is no number is reported and left out.
    template <typename Encode>
    void command(int cmd, const QString &value, Encode encode, int bytes)
    {
        if (value.isEmpty())
            return;
        const std::optional<int> v = encode(value);
        if (!v) {
            t_.message(ErrorCaption, WrongData);
            return;
        }
        t_.send(quint8(cmd));
        t_.send(quint8(*v & 0xFF));
        if (bytes == 2)
            t_.send(quint8((*v >> 8) & 0xFF));
    }
    void lambdaTimes();
    void stepSpeed(int cmd, Param param);
    void switchDelay();

    ParameterSet &p_;
    const WriteContext &c_;
    WriteTarget &t_;
};

void Writer::lambdaTimes()
{
    // Both must be numbers: a time the fitter did not give is not sent as zero,
    // which the controller would take for a Bosch probe.
    const auto low = codec::parseInteger(text(P::LambdaLowTime));
    const auto high = low ? codec::parseInteger(text(P::LambdaHighTime)) : std::nullopt;
    if (!low || !high) {
        t_.message(ErrorCaption, QStringLiteral("Niepoprawne dane"));
        return;
    }
    const int lowMs = *low & 0xFFFF;
    const int highMs = *high & 0xFFFF;
    if (lowMs > 4000 || lowMs + highMs > 4000) {
        t_.message(QStringLiteral("Errore"),
                   QStringLiteral("Dati fuori limiti   HIGH, LOW - 0...4000ms\nHIGH+LOW max 4000ms"));
        return;
    }
    const int a = codec::lambdaTicks(lowMs);
    const int b = codec::lambdaTicks(lowMs + highMs);
    t_.send({Cmd::LambdaTimes, a & 0xFF, (a >> 8) & 0xFF, b & 0xFF, (b >> 8) & 0xFF});
}

void Writer::stepSpeed(int cmd, Param param)
{
    const auto n = codec::parseInteger(text(param));
    if (!n)
        t_.message(ErrorCaption, WrongData);
    const auto value = codec::encodeStepSpeed(n.value_or(25));
    if (!value) {
        t_.message(ErrorCaption, QStringLiteral("Prędkość w granicach 1...24"));
        return;
    }
    t_.send({cmd, *value & 0xFF, *value >> 8});
}

void Writer::switchDelay()
{
    const auto ms = codec::parseInteger(text(P::SwitchDelay));
    if (!ms || *ms < 0 || *ms > 10000) {
        t_.message(ErrorCaption, WrongData);
        return;
    }
    const int units = codec::switchDelayUnits(*ms);
    t_.send({Cmd::SwitchDelay, units & 0xFF, units >> 8});
}

void Writer::run()
{
    const int c = c_.rpmConstant;
    t_.openPort();
    t_.send(Cmd::OpenBlock);

    const auto probe = codec::encodeProbeVariant(text(P::ProbeVariant));
    if (probe)
        t_.send({Cmd::ProbeRange, probe->range});
    step();
    const QString &variant = text(P::ProbeVariant);
    setFlag(ProbeReversed, variant == QLatin1String("2") || variant == QLatin1String("4"));
    step();
    command(Cmd::LambdaThreshold, text(P::LambdaThreshold), codec::encodeLambdaThreshold, 1);
    step();
    command(Cmd::SwitchRpm, text(P::SwitchRpm), [c](const QString &v) { return codec::encodeRpm(v, c); }, 2);
    step();
    command(Cmd::TpsThreshold, text(P::TpsThresholdVolts), codec::encodeTpsThreshold, 1);
    step();
    const QString &off = text(P::MaxGasRpmOff);
    if (off == QLatin1String("1"))
        t_.send({Cmd::MaxGasRpm, 1, 0});
    else
        command(Cmd::MaxGasRpm, text(P::MaxGasRpm), [c](const QString &v) { return codec::encodeRpm(v, c); }, 2);
    step();
    flagFromText(RpmFalling, P::RpmKind);
    step();
    // The delta is counted from the switching speed; without a usable one it
    // is left out (a bad switching speed has already been reported).
    if (codec::parseInteger(text(P::SwitchRpm))) {
        const QString &s = text(P::SwitchRpm);
        command(Cmd::RpmDelta, text(P::RpmDelta), [c, &s](const QString &v) { return codec::encodeRpmDelta(v, s, c); }, 2);
    }
    step();
    if (!text(P::StepMin).isEmpty() && !text(P::StepMax).isEmpty()) {
        const auto min = codec::encodeInverted(text(P::StepMin));
        const auto max = codec::encodeInverted(text(P::StepMax));
        if (min && max)
            t_.send({Cmd::StepLimits, *min, *max});
        else
            t_.message(ErrorCaption, WrongData);
    }
    step();
    command(Cmd::StepStart, text(P::StepStart), codec::encodeInverted, 1);
    step();
    lambdaTimes();
    step();
    t_.send({Cmd::SecondLambdaTimes, 122, 0, 244, 0});
    step();
    command(Cmd::StartDelay, text(P::StartDelay), [](const QString &v) {
        const auto s = codec::parseInteger(v);
        return s ? std::optional<int>(*s * 5) : std::nullopt;
    }, 1);
    step();
    flagFromText(Cutoff, P::CutoffOn);
    step();
    command(Cmd::CutoffStepLevel, text(P::CutoffStepLevel), codec::encodeInverted, 1);
    step();
    command(Cmd::CutoffRpm, text(P::CutoffRpm), [c](const QString &v) { return codec::encodeRpm(v, c); }, 2);
    step();
    if (const auto opening = codec::parseInteger(text(P::StepOpening))) {
        const int byte = *opening & 0xFF;
        if (byte >= 2 && byte <= 50)
            t_.send({Cmd::StepOpening, byte});
    } else if (!text(P::StepOpening).isEmpty()) {
        t_.message(ErrorCaption, WrongData);
    }
    step();
    flagFromText(TpsFalling, P::TpsType);
    step();
    stepSpeed(Cmd::StepSpeedAboveTps, P::StepSpeedAboveTps);
    step();
    stepSpeed(Cmd::StepSpeedBelowTps, P::StepSpeedBelowTps);
    step();
    switchDelay();
    step();
    writeTempSensorFlag(p_.TempSensorOn, c_, t_);
    step();
    flagFromText(DynamicMode, P::OperatingMode);
    step();
    flagFromText(Glass20K, P::ReserveSensorType, false);
    step();
    if (c_.switchTemperatureKnown)
        command(Cmd::SwitchTemperature, text(P::SwitchTemperature), codec::encodeSwitchTemperature, 1);
    step();
    if (c_.analogThresholdKnown)
        writeAnalogThreshold(p_, t_);
    step();
    t_.send(Cmd::CloseBlock);
    t_.closePort();
}

} // namespace

void writeAllParameters(ParameterSet &parameters, const WriteContext &context, WriteTarget &target)
{
    Writer(parameters, context, target).run();
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

void writeAnalogThreshold(const ParameterSet &parameters, WriteTarget &target)
{
    target.closePort();
    target.openPort();
    target.send(Cmd::OpenBlock);
    target.pause(WriteStepPauseMs);
    const auto value = codec::parseInteger(parameters.text(P::AnalogThreshold));
    if (!value) {
        target.message(ErrorCaption, WrongData);
        return;
    }
    target.send(Cmd::AnalogThresholdWrite);
    target.pause(WriteStepPauseMs);
    target.send(quint8(*value & 0xFF));
    target.pause(WriteStepPauseMs);
}

} // namespace qx
