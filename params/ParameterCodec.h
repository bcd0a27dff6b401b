#pragma once

#include <QString>

#include <optional>

namespace qx {

// Conversions between the parameter texts the page shows and the bytes the
// controller keeps. Decoders take block values and give texts, falling back
// where the controller holds something out of range; encoders take texts and
// give the value to send, or nothing when the text is not a usable number.
namespace codec {

// A decimal integer with an optional sign and nothing else.
std::optional<int> parseInteger(const QString &text);

// Volts texts are a digit, a comma and one or two digits: "0,50" is 50 hundredths.
std::optional<int> hundredthsFromVolts(const QString &text);
QString voltsText(int hundredths);

QString decodeLambdaThreshold(int byte);
std::optional<int> encodeLambdaThreshold(const QString &volts);

QString decodeTpsThreshold(int byte);
std::optional<int> encodeTpsThreshold(const QString &volts);

// Engine speeds travel as the period the controller measures.
int periodForRpm(int rpm, int rpmConstant);
QString decodeSwitchRpm(int raw, int rpmConstant);
QString decodeCutoffRpm(int raw, int rpmConstant);
std::optional<int> encodeRpm(const QString &rpm, int rpmConstant);

struct MaxGasRpm
{
    QString text;
    QString off; // "1" when the limit is switched off
};
MaxGasRpm decodeMaxGasRpm(int raw, int rpmConstant);
std::optional<int> encodeMaxGasRpm(const QString &rpm, const QString &off, int rpmConstant);

QString decodeRpmDelta(int raw, const QString &switchRpm, int rpmConstant);
std::optional<int> encodeRpmDelta(const QString &delta, const QString &switchRpm, int rpmConstant);

QString decodeStepSpeed(int raw);
// The 16-bit value (25 − n) × 2650, or nothing unless 25 − n is 1 … 24.
std::optional<int> encodeStepSpeed(int n);

// Stepper positions and levels are kept inverted: 255 − value.
QString decodeInverted(int byte);
std::optional<int> encodeInverted(const QString &value);

struct LambdaTimes
{
    QString low;
    QString high;
};
LambdaTimes decodeLambdaTimes(int lowEnd, int highEnd);
// Milliseconds to ticks of 1/244 s, as the controller's timer counts them.
int lambdaTicks(int milliseconds);

// The start delay travels in units of 0.2 s.
QString decodeStartDelay(int byte);
std::optional<int> encodeStartDelay(const QString &seconds);
QString decodeSwitchDelay(int raw);
// Milliseconds to the controller's units of 4.096 ms.
int switchDelayUnits(int milliseconds);

QString decodeSwitchTemperature(int byte);
std::optional<int> encodeSwitchTemperature(const QString &celsius);

// Probe range command argument and reversed bit for a probe variant "0" … "4".
struct ProbeRange
{
    int range;
    bool reversed;
};
std::optional<ProbeRange> encodeProbeVariant(const QString &variant);

} // namespace codec
} // namespace qx
