#pragma once

namespace qx {

// Engine capacity as the five radio buttons SRCheckBox3 … SRCheckBox7 offer it.
enum class EngineCapacity { Below1L, From1To1_5L, From1_5To2L, From2To3L, Above3L };

// What the fitter says about the car on the vehicle pages, read by the
// adaptation writes. Each field is one box's tick, so a pair the fitter left
// with neither ticked writes nothing for it.
struct VehicleChoices
{
    bool metalIntake = true;       // SRCheckBox1 "Metal"
    bool plasticIntake = false;    // srcheckbox2 "Tworzywo"
    EngineCapacity capacity = EngineCapacity::From1_5To2L;
    bool manualGearbox = true;     // SRCheckbox8
    bool automaticGearbox = false; // srcheckbox9: cut-off on
    bool glass20k = true;          // SRCheckBox10
    bool glass90R = false;         // SRCheckBox11
};

// The stepper opening (command 27) from intake and capacity; 0 with neither
// intake ticked. A plastic manifold needs the stepper further open.
int stepperOpening(const VehicleChoices &vehicle);

} // namespace qx
