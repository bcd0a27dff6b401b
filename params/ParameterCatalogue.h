#pragma once

#include "FieldRules.h"
#include "ParameterBlock.h"
#include "ParameterWrite.h"

#include <QStringList>

#include <vector>

namespace qx {

class ParameterSet;

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

// Where the parameter block holds a value.
struct BlockPlace
{
    int position = -1;   // its first byte; -1 for a value worked out from others
    int size = 1;        // bytes, low first
    quint8 bit = 0;      // one bit of that byte instead
    BlockDecoder decode = nullptr; // none: the block does not give it
};

// A value's turn in the write of the whole page.
struct WriteTurn
{
    int order = 0; // 1 … ; 0: never sent by itself
    std::vector<WriteStep> steps;
    // Sent only when the car gave it or the fitter set it: no file holds it.
    bool WriteContext::*onlyIfKnown = nullptr;
};

// Where the printout shows a value: its row (1 … 23, 0 for none) and, in
// rows 11 and 13, whether it is the second value.
struct PrintoutPlace
{
    int row = 0;
    bool second = false;
};

// One parameter value and everything the program knows of it, as
// QGroundControl's FactMetaData keeps a vehicle parameter. Every other part
// of the program reads these rows instead of spelling the value again.
struct ParameterEntry
{
    Param param;
    // Its control on the Parameters page with the editor's rules for it; no
    // name for a value shown elsewhere. The control's caption label names
    // the caption for the language files.
    FieldRule control;
    const char *captionText = nullptr; // the caption before a language replaces it
    QStringList entries;               // a list's entries
    const char *startText = "0";       // what a field shows before the first read
    const char *resetValue = nullptr;  // what a reset puts on the page
    int fileCode = 0;                  // 100 … 126; 0: parameter files leave it out
    const char *fileComment = nullptr; // the comment line the file writes before it
    PrintoutPlace printout;
    BlockPlace block;
    WriteTurn write;
};

// The rows in slot order, the order of the page's fields and of a reset.
const std::vector<ParameterEntry> &parameterCatalogue();
// The row of a value, or of the control with this object name; nullptr for none.
const ParameterEntry *catalogueEntry(Param param);
const ParameterEntry *catalogueEntryOfControl(const QString &objectName);
// The rows the write of the whole page sends, in its order.
const std::vector<const ParameterEntry *> &catalogueWriteOrder();
// The command that writes a value, for writes that send it on their own.
quint8 commandOf(Param param);

// Whether the page's box of a tick parameter shows it ticked: MaxGasRpmOff
// only for "1", the others for anything but "0"; the sensor box follows the
// switch actually sent.
bool shownTicked(const ParameterSet &set, Param tick);

} // namespace qx
