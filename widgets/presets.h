#pragma once

// The ranges, scales and colours the pages' instruments are set up with, kept
// in one place so every page and the gallery show them alike. Object names
// and captions that come from the language table stay with the pages.

class QString;
class TAb180Meter;
class TAb270Meter;
class TAbHBar;
class TAbTank;
class TAbThermometer;
class TLEDMeter;

namespace Presets {

// Engine speed, 0..8000 rpm shown as 0.0..8.0 thousand.
void engineSpeedMeter(TAb270Meter &meter, const QString &caption, const QString &unit);
// Throttle position sensor, 0..240 shown as 0.0..12.0 V.
void throttleMeter(TAb180Meter &meter);
// Reducer temperature on the visualisation page, 96..155 shown as -30..90 °C.
void reducerThermometer(TAbThermometer &thermometer);
// Temperature during adaptation, 111..171 shown as 0..120 °C.
void adaptationThermometer(TAbThermometer &thermometer);
// Stepper motor position, 0..255 steps.
void stepperTank(TAbTank &tank);
// Lambda probe LED bar, 1..90 in 20 segments with one lit.
void lambdaLedMeter(TLEDMeter &meter);
// Progress of a measurement, 0..100 %.
void percentBar(TAbHBar &bar);
// Lambda probe or stepper reading during adaptation, 0..60, with its three zones.
void lambdaBar(TAbHBar &bar);
// Stepper position during its calibration, 0..255 in one colour, with the
// lowest (green) and highest (red) positions marked.
void stepperBar(TAbHBar &bar);

} // namespace Presets
