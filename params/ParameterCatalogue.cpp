#include "ParameterCatalogue.h"

#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ProtocolTables.h"

#include <algorithm>

namespace qx {

namespace {

// Decoders: from the block to the page's texts.

template <QString (*decode)(int)>
QString textOf(const BlockValue &v)
{
    return decode(v.raw);
}

template <QString (*decode)(int, int)>
QString textAtRpm(const BlockValue &v)
{
    return decode(v.raw, v.rpmConstant);
}

QString numberText(const BlockValue &v)
{
    return QString::number(v.raw);
}

QString oneWhenSet(const BlockValue &v)
{
    return flagText(v.raw != 0);
}

QString zeroWhenSet(const BlockValue &v)
{
    return flagText(v.raw == 0);
}

QString probeVariantText(const BlockValue &v)
{
    return probeVariantFrom(v.raw, v.byte(FlagBytePosition));
}

QString maxGasRpmText(const BlockValue &v)
{
    return codec::decodeMaxGasRpm(v.raw, v.rpmConstant).text;
}

QString maxGasRpmOffText(const BlockValue &v)
{
    return codec::decodeMaxGasRpm(v.raw, v.rpmConstant).off;
}

QString rpmDeltaText(const BlockValue &v)
{
    return codec::decodeRpmDelta(v.raw, v.decoded.text(P::SwitchRpm), v.rpmConstant);
}

// The block holds the low time and the end of the high time (bytes 1 and 3).
QString lambdaLowTimeText(const BlockValue &v)
{
    return codec::decodeLambdaTimes(v.raw, v.word(3)).low;
}

QString lambdaHighTimeText(const BlockValue &v)
{
    return codec::decodeLambdaTimes(v.word(1), v.raw).high;
}

// A Bosch probe is what a controller with no lambda times has.
QString boschProbeText(const BlockValue &v)
{
    const auto zero = [&](Param time) { return v.decoded.text(time) == QLatin1String("0"); };
    return flagText(zero(P::LambdaLowTime) && zero(P::LambdaHighTime));
}

// Encoders: from the page's texts to the values the commands carry.

Encoded refused(Refusal refusal)
{
    return {std::nullopt, {refusal}};
}

// An empty text is left out quietly, one the encoding cannot take is refused.
Encoded checked(const QString &text, std::optional<int> value)
{
    if (text.isEmpty())
        return {};
    return value ? Encoded{value, {}} : refused(Refusal::WrongData);
}

template <std::optional<int> (*encode)(const QString &)>
Encoded valueOf(const EncodeInput &in)
{
    return checked(in.text, encode(in.text));
}

template <std::optional<int> (*encode)(const QString &, int)>
Encoded valueAtRpm(const EncodeInput &in)
{
    return checked(in.text, encode(in.text, in.rpmConstant));
}

// A list entry the list does not have sends no range; its reversed bit
// still goes out, cleared.
Encoded probeRangeValue(const EncodeInput &in)
{
    const auto probe = codec::encodeProbeVariant(in.text);
    return probe ? Encoded{probe->range, {}} : Encoded{};
}

std::optional<bool> reversedProbe(const QString &variant)
{
    const auto probe = codec::encodeProbeVariant(variant);
    return probe && probe->reversed;
}

// A limit switched off goes out as the period 1 whatever the field holds.
Encoded maxGasRpmValue(const EncodeInput &in)
{
    const QString &off = in.set.text(P::MaxGasRpmOff);
    const auto value = codec::encodeMaxGasRpm(in.text, off, in.rpmConstant);
    return off == QLatin1String("1") ? Encoded{value, {}} : checked(in.text, value);
}

// The delta is counted from the switching speed; without a usable one it is
// left out, the switching speed's own turn having told why.
Encoded rpmDeltaValue(const EncodeInput &in)
{
    const QString &switchRpm = in.set.text(P::SwitchRpm);
    if (!codec::parseInteger(switchRpm))
        return {};
    return checked(in.text, codec::encodeRpmDelta(in.text, switchRpm, in.rpmConstant));
}

// Both limits in one command, the lower first.
Encoded stepLimitsValue(const EncodeInput &in)
{
    const QString &maxText = in.set.text(P::StepMax);
    if (in.text.isEmpty() || maxText.isEmpty())
        return {};
    const auto min = codec::encodeInverted(in.text);
    const auto max = codec::encodeInverted(maxText);
    return min && max ? Encoded{*min | *max << 8, {}} : refused(Refusal::WrongData);
}

// The low time and the end of the high time, as the block holds them. Both
// must be numbers: a time the fitter did not give is not sent as zero, which
// the controller would take for a Bosch probe.
Encoded lambdaTimesValue(const EncodeInput &in)
{
    const auto low = codec::parseInteger(in.text);
    const auto high = low ? codec::parseInteger(in.set.text(P::LambdaHighTime)) : std::nullopt;
    if (!low || !high)
        return refused(Refusal::NoNumbers);
    const int lowMs = *low & 0xFFFF;
    const int highMs = *high & 0xFFFF;
    if (lowMs > 4000 || lowMs + highMs > 4000)
        return refused(Refusal::LambdaTimesLimit);
    return {codec::lambdaTicks(lowMs) | codec::lambdaTicks(lowMs + highMs) << 16, {}};
}

// The controller's second probe, which this program never sets: 500 ms for
// both of its times.
Encoded secondProbeTimesValue(const EncodeInput &)
{
    return {codec::lambdaTicks(500) | codec::lambdaTicks(1000) << 16, {}};
}

Encoded stepSpeedValue(const EncodeInput &in)
{
    Encoded encoded;
    const auto n = codec::parseInteger(in.text);
    if (!n)
        encoded.refusals << Refusal::WrongData;
    encoded.value = codec::encodeStepSpeed(n.value_or(25));
    if (!encoded.value)
        encoded.refusals << Refusal::SpeedRange;
    return encoded;
}

// Sent only when the value, taken modulo 256, is 2 … 50.
Encoded stepOpeningValue(const EncodeInput &in)
{
    const auto opening = codec::parseInteger(in.text);
    if (!opening)
        return checked(in.text, std::nullopt);
    const int byte = *opening & 0xFF;
    return byte >= 2 && byte <= 50 ? Encoded{byte, {}} : Encoded{};
}

Encoded switchDelayValue(const EncodeInput &in)
{
    const auto ms = codec::parseInteger(in.text);
    if (!ms || *ms < 0 || *ms > 10000)
        return refused(Refusal::WrongData);
    return {codec::switchDelayUnits(*ms), {}};
}

// A flag parameter's "1" sets its bit and "0" clears it; another text leaves
// the flag byte unsent.
std::optional<bool> setForOne(const QString &text)
{
    if (text == QLatin1String("1") || text == QLatin1String("0"))
        return text == QLatin1String("1");
    return std::nullopt;
}

std::optional<bool> setForZero(const QString &text)
{
    const auto one = setForOne(text);
    return one ? std::optional<bool>(!*one) : std::nullopt;
}

WriteStep commandStep(quint8 command, int bytes, Encoder encode)
{
    return {WriteStep::Value, command, bytes, encode};
}

WriteStep flagStep(quint8 bit, FlagRule on)
{
    return {WriteStep::Flag, 0, 0, nullptr, bit, on};
}

// Builds a row a column at a time.
struct Row : ParameterEntry
{
    Row(Param value, const char *caption, FieldRule rule)
    {
        param = value;
        control = std::move(rule);
        captionText = caption;
    }
    Row &listOf(QStringList texts)
    {
        entries = std::move(texts);
        return *this;
    }
    Row &startingAt(const char *text)
    {
        startText = text;
        return *this;
    }
    Row &resetTo(const char *value)
    {
        resetValue = value;
        return *this;
    }
    Row &inFile(int code, const char *comment = nullptr)
    {
        fileCode = code;
        fileComment = comment;
        return *this;
    }
    Row &printed(int row, bool second = false)
    {
        printout = {row, second};
        return *this;
    }
    Row &inBlock(int position, int size, BlockDecoder decode)
    {
        block = {position, size, 0, decode};
        return *this;
    }
    Row &decoded(BlockDecoder decode)
    {
        block.decode = decode;
        return *this;
    }
    Row &written(int order, std::vector<WriteStep> steps)
    {
        write.order = order;
        write.steps = std::move(steps);
        return *this;
    }
    Row &onlyIfKnown(bool WriteContext::*known)
    {
        write.onlyIfKnown = known;
        return *this;
    }
    // A bit of the flag byte (command 11), set for the text "1" or, inverted,
    // for "0".
    enum class SetFor { One, Zero };
    Row &flag(int order, quint8 bit, SetFor setFor = SetFor::One)
    {
        const bool one = setFor == SetFor::One;
        block = {FlagBytePosition, 1, bit, one ? oneWhenSet : zeroWhenSet};
        return written(order, {flagStep(bit, one ? setForOne : setForZero)});
    }
};

// One row a value, in slot order. A row reads as the parameter's whole story:
//   Row(P::SwitchRpm, "Obroty dla przejścia B/G",          its caption
//       intField("Edit3", "Label3", K::HelpSwitchRpm, …))  its control and rules
//       .resetTo("2000").inFile(102, "#---prog obr B/G")   reset, file code
//       .printed(3).inBlock(6, 2, …).written(3, {…})        printout, block, write
// Adding a parameter is adding its row, and a codec function when its
// encoding is new.
std::vector<ParameterEntry> rows()
{
    using K = TextKey;
    using Side = CrossRule::Side;
    using namespace codec;
    using namespace rule;
    return {
        Row(P::ProbeVariant, "Rodzaj sondy lambda",
            list("ComboBox1", "Label1", K::HelpProbeType, 1))
            .listOf({"0 - 1 [V]", "0 - 5 [V]", "5 - 0 [V]", "0,8 - 1,6 [V]", "1 - 0 [V]"})
            .resetTo("0").inFile(100, "#---rodzaj sondy lambda").printed(1)
            .inBlock(31, 1, probeVariantText)
            .written(1, {commandStep(30, 1, probeRangeValue), flagStep(ProbeReversed, reversedProbe)}),
        Row(P::LambdaThreshold, "Próg sondy lambda",
            decimalField("Edit2", "Label2", K::HelpLambdaThreshold, "0,1", "4,9"))
            .resetTo("0,50").inFile(101, "#---prog sondy Lambda").printed(2)
            .inBlock(9, 1, textOf<decodeLambdaThreshold>)
            .written(2, {commandStep(15, 1, valueOf<encodeLambdaThreshold>)}),
        Row(P::SwitchRpm, "Obroty dla przejścia B/G",
            intField("Edit3", "Label3", K::HelpSwitchRpm, 5, 1000, 9000, against("Edit8_1", Side::Below, 100)))
            .resetTo("2000").inFile(102, "#---prog obr B/G").printed(3)
            .inBlock(6, 2, textAtRpm<decodeSwitchRpm>)
            .written(3, {commandStep(8, 2, valueAtRpm<encodeRpm>)}),
        Row(P::TpsType, "Typ czujnika TPS",
            list("ComboBox4", "Label4", K::HelpTpsType, 2, ClearsInSync::OnAnyKey))
            .listOf({"rosnący", "malejący"})
            .resetTo("0").inFile(103, "#---Typ czujnika TPS").printed(4)
            .flag(16, TpsFalling),
        Row(P::TpsThresholdVolts, "Próg czujnika TPS",
            decimalField("Edit5", "Label5", K::HelpTpsThreshold, "0,0", "9,9"))
            .resetTo("1,25").inFile(104, "#---Prog czujnika TPS").printed(5)
            .inBlock(5, 1, textOf<decodeTpsThreshold>)
            .written(4, {commandStep(7, 1, valueOf<encodeTpsThreshold>)}),
        Row(P::StepSpeedAboveTps, "Silnik krok pow. TPS",
            intField("Edit6", "Label6", K::HelpStepSpeedAboveTps, 2, 1, 24))
            .resetTo("3").inFile(105, "#---Silnik krok pow TPS").printed(6)
            .inBlock(34, 2, textOf<decodeStepSpeed>)
            .written(17, {commandStep(32, 2, stepSpeedValue)}),
        Row(P::StepSpeedBelowTps, "Silnik krok pon. TPS",
            intField("Edit7", "Label7", K::HelpStepSpeedBelowTps, 2, 1, 24))
            .resetTo("6").inFile(106, "#---Silnik krok pon TPS").printed(7)
            .inBlock(28, 2, textOf<decodeStepSpeed>)
            .written(18, {commandStep(28, 2, stepSpeedValue)}),
        Row(P::MaxGasRpm, "Maksymalne obroty na gazie",
            intField("Edit8_1", "Label8", K::HelpMaxGasRpm, 5, 1000, 9000, against("Edit3", Side::Above, 100)))
            .startingAt("5000").resetTo("7000").inFile(107, "#---Maksymalne obroty na gazie").printed(8)
            .inBlock(13, 2, maxGasRpmText)
            .written(5, {commandStep(20, 2, maxGasRpmValue)}),
        // Sent with the highest gas speed.
        Row(P::MaxGasRpmOff, "Wylacz max obr",
            box("CheckBox8_2", "CheckBox8_2_label", K::HelpMaxGasRpm, StatusText::Kept))
            .resetTo("0").inFile(108, "#---Wylacz max. obroty")
            .inBlock(13, 2, maxGasRpmOffText),
        Row(P::RpmKind, "Rodzaj obrotów",
            list("ComboBox9", "Label9", K::HelpRpmKind, 3))
            .listOf({"rosnące", "malejące"})
            .resetTo("0").inFile(109, "#---Rodzaj obrotow").printed(9)
            .flag(6, RpmFalling),
        Row(P::RpmDelta, "Delta obrotów",
            intField("Edit10", "Label10", K::HelpRpmDelta, 5, 0, 5000))
            .resetTo("500").inFile(110, "#---Delta obrotow").printed(10)
            .inBlock(17, 2, rpmDeltaText)
            .written(7, {commandStep(22, 2, rpmDeltaValue)}),
        Row(P::StepMin, "Min. i Max. silnika krok.",
            intField("Edit11_1", "Label12", K::HelpStepMin, 3, 0, 255, against("Edit11_2", Side::Below, 0)))
            .resetTo("10").inFile(111, "#---Min. i Max. silnik krok.").printed(11)
            .inBlock(10, 1, textOf<decodeInverted>)
            .written(8, {commandStep(18, 2, stepLimitsValue)}),
        // Sent with the lowest position.
        Row(P::StepMax, "Min. i Max. silnika krok.",
            intField("Edit11_2", "Label12", K::HelpStepMax, 3, 0, 255, against("Edit11_1", Side::Above, 0)))
            .resetTo("200").inFile(112).printed(11, true)
            .inBlock(11, 1, textOf<decodeInverted>),
        Row(P::StepStart, "Start. pow. silnika krok.",
            intField("Edit12", "Label13", K::HelpStepStart, 3, 1, 255))
            .resetTo("100").inFile(113, "#Start pow.silnika krok.").printed(12)
            .inBlock(12, 1, textOf<decodeInverted>)
            .written(9, {commandStep(19, 1, valueOf<encodeInverted>)}),
        Row(P::LambdaLowTime, "Czas sondy Lambda",
            intField("Edit13_1", "Label14", K::HelpLambdaLowTime, 5, 0, 4000,
                     against("Edit13_2", Side::Below, 0, CrossRule::When::Enter)))
            .resetTo("500").inFile(115, "#---Czas sondy Lambda").printed(13)
            .inBlock(1, 2, lambdaLowTimeText)
            .written(10, {commandStep(6, 4, lambdaTimesValue), commandStep(26, 4, secondProbeTimesValue)}),
        // Sent with the low time.
        Row(P::LambdaHighTime, "Czas sondy Lambda",
            intField("Edit13_2", "Label14", K::HelpLambdaHighTime, 5, 0, 4000,
                     against("Edit13_1", Side::Above, 0, CrossRule::When::Enter)))
            .resetTo("500").inFile(116).printed(13, true)
            .inBlock(3, 2, lambdaHighTimeText),
        // Never sent: ticking it sets both times to 0.
        Row(P::BoschProbe, "Lambda - BOSCH",
            box("CheckBox13_3", "CheckBox13_3_Label", std::nullopt, StatusText::Kept))
            .resetTo("0").inFile(117, "#---Lambda - BOSCH")
            .decoded(boschProbeText),
        Row(P::StartDelay, "Opóźnienie startowe",
            intField("Edit14", "Label16", K::HelpStartDelay, 3, 1, 50))
            .resetTo("1").inFile(114, "#---Opoznienie startowe").printed(14)
            .inBlock(22, 1, textOf<decodeStartDelay>)
            .written(11, {commandStep(25, 1, valueOf<encodeStartDelay>)}),
        // Printed as stored, "1" or "0", not as the box's caption.
        Row(P::CutoffOn, "Włączenie cutoff",
            box("CheckBox15", "Label17", std::nullopt, StatusText::Empty))
            .resetTo("0").inFile(118, "#---Wlaczenie cutoff").printed(15)
            .flag(12, Cutoff),
        Row(P::CutoffStepLevel, "Silnik krokowy przy cutoff",
            intField("Edit16", "Label18", K::HelpCutoffStepLevel, 3, 1, 255))
            .resetTo("30").inFile(119, "#---Silnik krokowy przy cutoff").printed(16)
            .inBlock(21, 1, textOf<decodeInverted>)
            .written(13, {commandStep(23, 1, valueOf<encodeInverted>)}),
        Row(P::CutoffRpm, "Obroty silnika dla cutoff",
            intField("Edit17", "Label19", K::HelpCutoffRpm, 5, 500, 5000))
            .resetTo("1500").inFile(120, "#---Obroty silnika dla cutoff").printed(17)
            .inBlock(19, 2, textAtRpm<decodeCutoffRpm>)
            .written(14, {commandStep(24, 2, valueAtRpm<encodeRpm>)}),
        Row(P::StepOpening, "Otwarcie silnika krokowego",
            intField("Edit18", "Label20", K::HelpStepOpening, 3, 2, 50))
            .resetTo("30").inFile(121, "#---Otwarcie silnika krokowego").printed(18)
            .inBlock(27, 1, numberText)
            .written(15, {commandStep(27, 1, stepOpeningValue)}),
        Row(P::SwitchDelay, "czas nakladania paliw",
            intField("Edit19", "Label21", K::HelpSwitchDelay, 5, 100, 10000))
            .resetTo("100").inFile(122, "#---Opoznienie przel. B/G").printed(19)
            .inBlock(15, 2, textOf<decodeSwitchDelay>)
            .written(19, {commandStep(21, 2, switchDelayValue)}),
        Row(P::OperatingMode, "Tryb pracy sterownika",
            list("ComboBox20", "Label22", K::HelpOperatingMode, 4, ClearsInSync::OnFocus))
            .listOf({"ekonomiczna", "dynamiczna"})
            .resetTo("0").inFile(123, "#---Tryb pracy sterownika").printed(20)
            .flag(21, DynamicMode),
        // Entry 0, the 20K glass, sets the bit.
        Row(P::ReserveSensorType, "Typ szkiełka rezerwy",
            list("ComboBox21", "Label23", K::HelpReserveSensorType, 5, ClearsInSync::OnFocus))
            .listOf({"20K", "90R"})
            .resetTo("1").inFile(124, "#---Typ szkielka rezerwy").printed(21)
            .flag(22, Glass20K, Row::SetFor::Zero),
        // Two characters, so 100 cannot be typed although the check allows it.
        // Printed in the last row, under the live temperature's caption.
        Row(P::SwitchTemperature, "Min temp przełączenia na gaz",
            intField("Edit22_1", "minprzelbgLabel", K::HelpSwitchTemperature, 2, 0, 100))
            .resetTo("0").printed(23)
            .inBlock(0, 1, textOf<decodeSwitchTemperature>)
            .written(23, {commandStep(5, 1, valueOf<encodeSwitchTemperature>)})
            .onlyIfKnown(&WriteContext::switchTemperatureKnown),
        // The switch actually sent is ParameterSet::TempSensorOn, which the
        // block's bit 3 and the box set.
        Row(P::TempSensorBox, "Włącz czujnik temp",
            box("CheckBox22_2", "checkbox22_2_label", K::HelpSwitchTemperature, StatusText::Kept))
            .resetTo("0").inFile(126, "#---Wlacz czujnik temperatury")
            .written(20, {WriteStep{WriteStep::SensorSwitch}}),
        // The RPM page's threshold list (Edit23) shows it; read outside the block.
        Row(P::AnalogThreshold, nullptr, FieldRule{})
            .resetTo("1")
            .written(24, {WriteStep{WriteStep::ThresholdBlock}})
            .onlyIfKnown(&WriteContext::analogThresholdKnown),
    };
}

} // namespace

const std::vector<ParameterEntry> &parameterCatalogue()
{
    static const std::vector<ParameterEntry> catalogue = rows();
    return catalogue;
}

const ParameterEntry *catalogueEntry(Param param)
{
    const auto &catalogue = parameterCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [param](const ParameterEntry &entry) { return entry.param == param; });
    return found == catalogue.end() ? nullptr : &*found;
}

const ParameterEntry *catalogueEntryOfControl(const QString &objectName)
{
    const auto &catalogue = parameterCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(), [&](const ParameterEntry &entry) {
        return !entry.control.name.isEmpty() && entry.control.name == objectName;
    });
    return found == catalogue.end() ? nullptr : &*found;
}

const std::vector<const ParameterEntry *> &catalogueWriteOrder()
{
    static const std::vector<const ParameterEntry *> order = [] {
        std::vector<const ParameterEntry *> written;
        for (const ParameterEntry &entry : parameterCatalogue()) {
            if (entry.write.order > 0)
                written.push_back(&entry);
        }
        std::sort(written.begin(), written.end(),
                  [](const ParameterEntry *a, const ParameterEntry *b) { return a->write.order < b->write.order; });
        return written;
    }();
    return order;
}

quint8 commandOf(Param param)
{
    const ParameterEntry *entry = catalogueEntry(param);
    Q_ASSERT(entry && !entry->write.steps.empty() && entry->write.steps.front().kind == WriteStep::Value);
    return entry->write.steps.front().command;
}

bool shownTicked(const ParameterSet &set, Param tick)
{
    if (tick == P::TempSensorBox)
        return set.TempSensorOn != 0;
    if (tick == P::MaxGasRpmOff)
        return set.text(tick) == QLatin1String("1");
    return set.text(tick) != QLatin1String("0");
}

} // namespace qx
