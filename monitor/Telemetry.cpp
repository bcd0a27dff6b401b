#include "Telemetry.h"

#include "Rounding.h"

#include <algorithm>

namespace qx::telemetry {

namespace {
int atLeastOne(long long level)
{
    return level <= 0 ? 1 : int(level);
}

// numerator / denominator to the nearest integer, halves to even, without
// floating point: a binary fraction can put a halfway figure a hair to one side.
int quotientHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    return quotient + (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0));
}

constexpr quint32 Green = 0x00FF00;
constexpr quint32 Red = 0xFF0000;
} // namespace

QString voltsText(int raw, int fullScaleVolts, int fullScaleRaw)
{
    const int scaled = raw * fullScaleVolts;
    int units = scaled / fullScaleRaw;
    int hundredths = scaled % fullScaleRaw * 100 / fullScaleRaw;
    if (hundredths == 99) {
        hundredths = 0;
        ++units;
    }
    return QStringLiteral("%1.%2").arg(units).arg(hundredths, 2, 10, QLatin1Char('0'));
}

QString lambdaVoltsText(int raw)
{
    return voltsText(raw, 5, 255);
}

QString tpsVoltsText(int raw)
{
    return voltsText(raw, 12, 240);
}

int normalisedLambda(int raw, const QString &probeVariant)
{
    if (probeVariant == QLatin1String("1") || probeVariant == QLatin1String("2"))
        return raw;
    if (probeVariant == QLatin1String("3"))
        return int(roundHalfEven(raw * 255.0 / 82.0));
    return raw * 5;
}

int lambdaTrace(int normalised)
{
    return atLeastOne(roundHalfEven(normalised * 1.2 / 3.27));
}

int tpsTrace(int raw)
{
    return atLeastOne(roundHalfEven(raw * 0.4));
}

int rpmTrace(int rpm)
{
    return atLeastOne(roundHalfEven(rpm * 0.0125));
}

int stepperTrace(int position)
{
    return atLeastOne(roundHalfEven(position * 100.0 / 255.0));
}

int temperatureCelsius(int raw)
{
    return int(roundHalfEven((raw - 110) * 19 * 0.1));
}

GasLevel gasLevel(int raw, const QString &reserveSensorType)
{
    int level = std::max(raw, 0);
    if (reserveSensorType == QLatin1String("1")) {
        level = std::min(level, 35);
        return {quotientHalfEven(level * 100, 40), level < 6};
    }
    if (250 - level < 5)
        level = 250;
    if (250 - level > 235)
        level = 10;
    return {quotientHalfEven((250 - level) * 100, 280), level > 210};
}

int lambdaBarPosition(int raw, int barTop)
{
    const int floor = barTop == 290 ? 10 : barTop == 96 ? 4 : 2;
    return std::max(raw, floor);
}

ProbeDisplay probeDisplay(const QString &variant)
{
    const QStringList oneVolt = {"0,0", "0,2", "0,5", "0,8", "1,0"};
    const QStringList fiveVolts = {"0,0", "1,2", "2,5", "3,8", "5,0"};
    if (variant == QLatin1String("0"))
        return {50, 20, 30, Green, Red, oneVolt, true};
    if (variant == QLatin1String("1"))
        return {290, 120, 170, Green, Red, fiveVolts, false};
    if (variant == QLatin1String("2"))
        return {290, 120, 170, Red, Green, fiveVolts, true};
    if (variant == QLatin1String("3"))
        return {96, 35, 65, Green, Red, {"0,0", "0,4", "0,8", "1,2", "1,6"}, false};
    if (variant == QLatin1String("4"))
        return {50, 20, 30, Red, Green, oneVolt, false};
    return {50, 20, 30, std::nullopt, std::nullopt, oneVolt, std::nullopt};
}

QStringList timeAxisLabels(int sampleIntervalMs, int lines)
{
    QStringList labels;
    for (int back = lines - 1; back >= 0; --back) {
        // 100 samples of n ms make n tenths of a second.
        const int tenths = back * sampleIntervalMs;
        QString text = QString::number(tenths / 10);
        if (tenths % 10 != 0)
            text += QLatin1Char(',') + QString::number(tenths % 10);
        labels << (tenths == 0 ? text : QLatin1Char('-') + text);
    }
    return labels;
}

LambdaPhases::Shown LambdaPhases::poll(int level)
{
    constexpr int PollMs = 25;
    Shown shown;
    if (level > 40) {
        if (low_ != 0)
            shown.low = low_;
        low_ = 0;
        high_ += PollMs;
    } else {
        if (high_ != 0)
            shown.high = high_;
        high_ = 0;
        low_ += PollMs;
    }
    return shown;
}

} // namespace qx::telemetry
