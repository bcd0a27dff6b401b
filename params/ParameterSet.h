#pragma once

#include <QString>

#include <array>

namespace qx {

// One value of the parameter set: a slot and which of its values.
struct Param
{
    int slot;
    int part = 0;
};

constexpr bool operator==(Param a, Param b)
{
    return a.slot == b.slot && a.part == b.part;
}

// The parameters by name. Slots 7, 10 and 21 have a second value and slot 12
// a second and a third.
namespace P {
constexpr Param ProbeVariant{0};
constexpr Param LambdaThreshold{1};
constexpr Param SwitchRpm{2};
constexpr Param TpsType{3};
constexpr Param TpsThresholdVolts{4};
constexpr Param StepSpeedAboveTps{5};
constexpr Param StepSpeedBelowTps{6};
constexpr Param MaxGasRpm{7};
constexpr Param MaxGasRpmOff{7, 1};
constexpr Param RpmKind{8};
constexpr Param RpmDelta{9};
constexpr Param StepMin{10};
constexpr Param StepMax{10, 1};
constexpr Param StepStart{11};
constexpr Param LambdaLowTime{12};
constexpr Param LambdaHighTime{12, 1};
constexpr Param BoschProbe{12, 2};
constexpr Param StartDelay{13};
constexpr Param CutoffOn{14};
constexpr Param CutoffStepLevel{15};
constexpr Param CutoffRpm{16};
constexpr Param StepOpening{17};
constexpr Param SwitchDelay{18};
constexpr Param OperatingMode{19};
constexpr Param ReserveSensorType{20};
constexpr Param SwitchTemperature{21};
constexpr Param TempSensorBox{21, 1}; // the tick of CheckBox22_2 as collected
constexpr Param AnalogThreshold{22};
} // namespace P

// The controller's configuration as the texts the Parameters page shows, and
// the temperature-sensor switch that is actually sent.
class ParameterSet
{
public:
    static constexpr int SlotCount = 23;

    ParameterSet() { setAllZero(); }

    // Every value "0", as at start-up.
    void setAllZero();

    const QString &text(Param p) const { return slots_[p.slot][p.part]; }
    void setText(Param p, const QString &text) { slots_[p.slot][p.part] = text; }

    // The temperature-sensor switch sent to the controller: set by the read,
    // by the page's sensor box and by the adaptation's.
    quint8 TempSensorOn = 0;

private:
    std::array<std::array<QString, 3>, SlotCount> slots_;
};

// A tick's value as text: "1" ticked, "0" not.
QString flagText(bool on);
// Whether the page's box of a tick parameter shows it ticked: MaxGasRpmOff
// only for "1", the others for anything but "0"; the sensor box follows the
// switch actually sent.
bool shownTicked(const ParameterSet &set, Param tick);

} // namespace qx
