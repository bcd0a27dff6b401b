#pragma once

#include <QtGlobal>
#include <QString>
#include <QStringList>

#include <optional>

namespace qx {

// Conversions of the live-data frame for the instrument pages.
namespace telemetry {

// Volts of a reading of raw × fullScaleVolts / fullScaleRaw, with two
// decimals and a point, the hundredths cut off rather than rounded ("0.98"
// for 0.9804 V). Worked out in whole numbers, so 41 TPS steps of 0.05 V show
// 2.05 and not a binary fraction below it; 99 hundredths count as the next
// whole volt.
QString voltsText(int raw, int fullScaleVolts, int fullScaleRaw);
QString lambdaVoltsText(int raw);  // 0 … 5 V over 0 … 255
QString tpsVoltsText(int raw);     // 0.05 V a step

// The probe reading on the common 0 … 255 scale of the trace, by probe variant.
int normalisedLambda(int raw, const QString &probeVariant);
// Trace levels, 0 … about 100; a level of 0 or less is drawn as 1.
int lambdaTrace(int normalised);
int tpsTrace(int raw);
int rpmTrace(int rpm);
int stepperTrace(int position);

// Reducer temperature in °C from its raw reading.
int temperatureCelsius(int raw);

struct GasLevel
{
    int percent;
    bool reserve; // the tank bar turns red
};
// The tank level by the reserve sensor glass: "0" for 20K, "1" for 90R; the
// percentage rounds halves to even.
GasLevel gasLevel(int raw, const QString &reserveSensorType);

// The lambda LED bar's position: the reading, but never below the bar's floor.
int lambdaBarPosition(int raw, int barTop);

// How the lambda displays are set up for a probe variant.
struct ProbeDisplay
{
    int barTop;
    int bandStart;
    int bandEnd;
    std::optional<quint32> lowColour;  // 0xRRGGBB; unchanged when absent
    std::optional<quint32> highColour;
    QStringList axisLabels;           // bottom to top
    std::optional<bool> tradedPlaces; // "Bogata"/"Uboga" in each other's place
};
ProbeDisplay probeDisplay(const QString &probeVariant);

// The chart's time axis: the seconds before now of its grid lines, oldest
// first and the last one now ("-2,5" … "-0,5", "0" at 5 ms a sample). A grid
// division holds 100 samples.
QStringList timeAxisLabels(int sampleIntervalMs, int lines);

// The lengths of the lambda probe's rich and lean phases, counted in polls
// of 25 ms each; they live as long as the program.
class LambdaPhases
{
public:
    struct Shown
    {
        std::optional<int> high; // a finished high phase, in ms
        std::optional<int> low;
    };
    // One poll with the lambda trace level; returns the phase that just ended.
    Shown poll(int lambdaTraceLevel);

private:
    int high_ = 0;
    int low_ = 0;
};

} // namespace telemetry
} // namespace qx
