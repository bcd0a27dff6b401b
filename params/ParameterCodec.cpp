#include "ParameterCodec.h"

#include "ExtendedReal.h"
#include "Rounding.h"

#include <QRegularExpression>

#include <algorithm>

namespace qx::codec {

namespace {

QString number(long long value)
{
    return QString::number(value);
}

// Speed period to RPM, shown in hundreds; a raw 0 counts as rawForZero.
int decodeRpmValue(int raw, int rpmConstant, int rawForZero)
{
    if (raw == 0)
        raw = rawForZero;
    const long long rpm = roundHalfEven(double(rpmConstant) / raw * 800.0);
    return int(roundHalfEven(rpm * 0.01) * 100);
}

QString inRangeOr(int value, int low, int high, const char *fallback)
{
    return value >= low && value <= high ? number(value) : QString::fromLatin1(fallback);
}

} // namespace

std::optional<int> parseInteger(const QString &text)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?\\d{1,9}$"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

std::optional<int> hundredthsFromVolts(const QString &text)
{
    static const QRegularExpression volts(QStringLiteral("^\\d,\\d\\d?$"));
    if (!volts.match(text).hasMatch())
        return std::nullopt;
    const auto digit = [&](int i) { return i < text.size() ? text.at(i).digitValue() : 0; };
    return 100 * digit(0) + 10 * digit(2) + digit(3);
}

QString voltsText(int hundredths)
{
    const QString digits = QStringLiteral("%1").arg(hundredths, 3, 10, QLatin1Char('0'));
    return digits.left(1) + QLatin1Char(',') + digits.mid(1);
}

QString decodeLambdaThreshold(int byte)
{
    const long long h = roundHalfEven(byte * 500.0 / 255.0);
    return voltsText(int(roundHalfEven(h * 0.2) * 5));
}

std::optional<int> encodeLambdaThreshold(const QString &volts)
{
    const auto h = hundredthsFromVolts(volts);
    if (!h)
        return std::nullopt;
    // The controller's figures at the halfway points are those of its 80-bit arithmetic.
    return int((ExtendedReal(*h) * TwoThousandths * 255).roundedToInteger() & 0xFF);
}

QString decodeTpsThreshold(int byte)
{
    // 10 V and more cannot be written in the three-digit form; such a value
    // shows as the highest the form holds in the controller's 0,05 V steps.
    const long long h = roundHalfEven(byte * 5 * 0.2) * 5;
    return voltsText(int(std::min<long long>(h, 995)));
}

std::optional<int> encodeTpsThreshold(const QString &volts)
{
    const auto h = hundredthsFromVolts(volts);
    if (!h)
        return std::nullopt;
    return int(roundHalfEven(*h * 0.2) & 0xFF);
}

int periodForRpm(int rpm, int rpmConstant)
{
    return int(roundHalfEven(800.0 / rpm * rpmConstant));
}

QString decodeSwitchRpm(int raw, int rpmConstant)
{
    return inRangeOr(decodeRpmValue(raw, rpmConstant, 1), 1000, 9000, "5000");
}

QString decodeCutoffRpm(int raw, int rpmConstant)
{
    return inRangeOr(decodeRpmValue(raw, rpmConstant, 1), 500, 5000, "2000");
}

std::optional<int> encodeRpm(const QString &rpm, int rpmConstant)
{
    const auto value = parseInteger(rpm);
    if (!value || *value <= 0)
        return std::nullopt;
    return periodForRpm(*value, rpmConstant) & 0xFFFF;
}

MaxGasRpm decodeMaxGasRpm(int raw, int rpmConstant)
{
    if (raw == 1)
        return {QStringLiteral("5000"), QStringLiteral("1")};
    return {inRangeOr(decodeRpmValue(raw, rpmConstant, 2), 0, 9000, "5000"), QStringLiteral("0")};
}

std::optional<int> encodeMaxGasRpm(const QString &rpm, const QString &off, int rpmConstant)
{
    if (off == QLatin1String("1"))
        return 1;
    return encodeRpm(rpm, rpmConstant);
}

QString decodeRpmDelta(int raw, const QString &switchRpm, int rpmConstant)
{
    const auto s = parseInteger(switchRpm);
    if (!s || *s <= 0)
        return QStringLiteral("500");
    const long long period = periodForRpm(*s, rpmConstant) + raw;
    if (period <= 0)
        return QStringLiteral("500");
    const long long low = roundHalfEven(double(rpmConstant) * 800.0 / double(period));
    return inRangeOr(int(roundHalfEven((*s - low) * 0.01) * 100), 0, 5000, "500");
}

std::optional<int> encodeRpmDelta(const QString &delta, const QString &switchRpm, int rpmConstant)
{
    const auto d = parseInteger(delta);
    const auto s = parseInteger(switchRpm);
    if (!d || !s || *s == 0)
        return std::nullopt;
    const int divisor = *s == *d ? 1 : *s - *d;
    return (periodForRpm(divisor, rpmConstant) - periodForRpm(*s, rpmConstant)) & 0xFFFF;
}

QString decodeStepSpeed(int raw)
{
    return inRangeOr(int(roundHalfEven(25.0 - raw / 2650.0)), 1, 24, "3");
}

std::optional<int> encodeStepSpeed(int n)
{
    const int factor = 25 - n;
    if (factor < 1 || factor > 24)
        return std::nullopt;
    return factor * 2650;
}

QString decodeInverted(int byte)
{
    return number(255 - byte);
}

std::optional<int> encodeInverted(const QString &value)
{
    const auto v = parseInteger(value);
    if (!v)
        return std::nullopt;
    return (255 - *v) & 0xFF;
}

LambdaTimes decodeLambdaTimes(int lowEnd, int highEnd)
{
    const long long m = roundHalfEven(lowEnd * 1000.0 / 244.0);
    const int low = int(roundHalfEven(m * 0.02) * 50);
    const int high = int(roundHalfEven((highEnd * 1000.0 / 244.0 - double(m)) * 0.02) * 50);
    return {inRangeOr(low, 0, 4000, "500"), inRangeOr(high, 0, 4000, "500")};
}

int lambdaTicks(int milliseconds)
{
    return int((ExtendedReal(milliseconds) * 244 * OneThousandth).roundedToInteger());
}

QString decodeStartDelay(int byte)
{
    return number(roundHalfEven(byte * 0.2));
}

std::optional<int> encodeStartDelay(const QString &seconds)
{
    const auto s = parseInteger(seconds);
    if (!s)
        return std::nullopt;
    return int((qint64(*s) * 5) & 0xFF);
}

QString decodeSwitchDelay(int raw)
{
    return inRangeOr(int(roundHalfEven(raw * 512 * 0.008 * 0.1) * 10), 1, 10000, "1000");
}

int switchDelayUnits(int milliseconds)
{
    // The seconds are kept as a 6-byte real before they are scaled.
    const ExtendedReal seconds = (ExtendedReal(milliseconds) * OneThousandth).roundedTo40Bits();
    return int((seconds * 4000000).dividedByPowerOfTwo(14).roundedToInteger());
}

QString decodeSwitchTemperature(int byte)
{
    return number(2 * byte - 222);
}

std::optional<int> encodeSwitchTemperature(const QString &celsius)
{
    const auto t = parseInteger(celsius);
    if (!t)
        return std::nullopt;
    return int(roundHalfEven(*t * 0.5 + 111) & 0xFF);
}

std::optional<ProbeRange> encodeProbeVariant(const QString &variant)
{
    static const ProbeRange ranges[] = {{1, false}, {0, false}, {0, true}, {2, false}, {1, true}};
    const auto index = parseInteger(variant);
    if (!index || *index < 0 || *index > 4 || variant.size() != 1)
        return std::nullopt;
    return ranges[*index];
}

} // namespace qx::codec
