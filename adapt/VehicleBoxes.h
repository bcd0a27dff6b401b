#pragma once

namespace qx {

struct VehicleChoices;

// The tick boxes of the vehicle pages, each with its half of a pair.
enum class VehicleBox {
    Metal,     // SRCheckBox1
    Plastic,   // srcheckbox2
    Manual,    // SRCheckbox8
    Automatic, // srcheckbox9
    Glass20k,  // SRCheckBox10, also its picture Image4
    Glass90R,  // SRCheckBox11, also its picture Image5
};

bool isTicked(const VehicleChoices &vehicle, VehicleBox box);

// A click on a box, given the tick the click left on it, or on a glass
// picture, which always ticks its box. Each pair keeps exactly one tick:
// unticking intake or gearbox ticks the other box of the pair, and a glass
// box stays ticked when clicked again.
void clickVehicleBox(VehicleChoices &vehicle, VehicleBox box, bool ticked);

} // namespace qx
