#include "presets.h"

#include "tab180meter.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tledmeter.h"

namespace {

const QColor green(0x43, 0xa0, 0x47);
const QColor amber(0xff, 0xb3, 0x00);
const QColor red(0xe5, 0x39, 0x35);
const QColor blue(0x4f, 0xc3, 0xf7);

SignalSettings signal(int digitalFrom, int digitalTo, float valueFrom, float valueTo, const QString &unit,
                      const QString &format)
{
    SignalSettings s;
    s.digitalFrom = digitalFrom;
    s.digitalTo = digitalTo;
    s.valueFrom = valueFrom;
    s.valueTo = valueTo;
    s.valueUnit = unit;
    s.valueFormat = format;
    return s;
}

ScaleSettings scale(int steps, int subSteps, const QString &format = QStringLiteral("0"))
{
    ScaleSettings s;
    s.steps = steps;
    s.subSteps = subSteps;
    s.valueFormat = format;
    return s;
}

// Limit marks and colour sectors of a scale.
void markScale(TAbAnalog &instrument, float lower, float upper, const std::array<Sector, 3> &sectors)
{
    instrument.setLimitLower(lower);
    instrument.setLimitUpper(upper);
    SectorSettings settings;
    settings.sectors = sectors;
    instrument.setSectorSettings(settings);
    instrument.setOptions(instrument.options() | TAbAnalog::opLimit);
}

void thermometer(TAbThermometer &t, int digitalFrom, int digitalTo, float valueFrom, float valueTo)
{
    t.setSignalSettings(signal(digitalFrom, digitalTo, valueFrom, valueTo, QStringLiteral("°C"), QStringLiteral("0")));
    t.setScaleSettings(scale(4, 3));
    BarSettings bar = t.barSettings();
    bar.color = red;
    t.setBarSettings(bar);
}

} // namespace

namespace Presets {

void engineSpeedMeter(TAb270Meter &meter, const QString &caption, const QString &unit)
{
    SignalSettings s = signal(0, 8000, 0.0f, 8.0f, unit, QStringLiteral("0.0"));
    s.name1 = caption;
    s.name2 = QStringLiteral("x1000");
    meter.setSignalSettings(s);
    meter.setScaleSettings(scale(8, 5));
    markScale(meter, 0.6f, 6.5f, {Sector{0, 80, blue}, Sector{80, 820, green}, Sector{820, 1000, red}});
}

void throttleMeter(TAb180Meter &meter)
{
    SignalSettings s = signal(0, 240, 0.0f, 12.0f, QStringLiteral("V"), QStringLiteral("0.0"));
    s.name1 = QStringLiteral("TPS");
    meter.setSignalSettings(s);
    meter.setScaleSettings(scale(6, 4));
    markScale(meter, -1, 201, {Sector{0, 1000, green}, Sector(), Sector()});
}

void reducerThermometer(TAbThermometer &t)
{
    thermometer(t, 96, 155, -30, 90);
}

void adaptationThermometer(TAbThermometer &t)
{
    thermometer(t, 111, 171, 0, 120);
}

void stepperTank(TAbTank &tank)
{
    tank.setSignalSettings(signal(0, 255, 0, 255, QStringLiteral("STEPS"), QStringLiteral("0")));
    tank.setScaleSettings(scale(5, 2));
}

void lambdaLedMeter(TLEDMeter &meter)
{
    meter.setMin(1);
    meter.setMax(90);
    meter.setNumDigits(20);
    meter.setSingleLed(true);
    meter.setStartColor2(40);
    meter.setStartColor3(40);
    meter.setDirection(TLEDMeter::mdUp);
}

void percentBar(TAbHBar &bar)
{
    bar.setSignalSettings(signal(0, 100, 0, 100, QStringLiteral("%"), QStringLiteral("0")));
    bar.setScaleSettings(scale(5, 4));
}

void stepperBar(TAbHBar &bar)
{
    bar.setSignalSettings(signal(0, 255, 0, 255, QString(), QStringLiteral("0")));
    bar.setScaleSettings(scale(5, 5));
    BarSettings plain = bar.barSettings();
    plain.options.setFlag(BarSettings::opUseSectorCol, false);
    bar.setBarSettings(plain);
    MinMaxMarks marks;
    marks.minVisible = marks.maxVisible = true;
    bar.setMinMaxMarks(marks);
}

void lambdaBar(TAbHBar &bar)
{
    bar.setSignalSettings(signal(0, 60, 0, 60, QString(), QStringLiteral("0")));
    bar.setScaleSettings(scale(6, 2));
    markScale(bar, 10, 40, {Sector{0, 400, amber}, Sector{400, 600, green}, Sector{600, 1000, red}});
}

} // namespace Presets
