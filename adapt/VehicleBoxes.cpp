#include "VehicleBoxes.h"

#include "VehicleChoices.h"

namespace qx {

namespace {

bool VehicleChoices::*field(VehicleBox box)
{
    switch (box) {
    case VehicleBox::Metal:
        return &VehicleChoices::metalIntake;
    case VehicleBox::Plastic:
        return &VehicleChoices::plasticIntake;
    case VehicleBox::Manual:
        return &VehicleChoices::manualGearbox;
    case VehicleBox::Automatic:
        return &VehicleChoices::automaticGearbox;
    case VehicleBox::Glass20k:
        return &VehicleChoices::glass20k;
    case VehicleBox::Glass90R:
        break;
    }
    return &VehicleChoices::glass90R;
}

VehicleBox partner(VehicleBox box)
{
    switch (box) {
    case VehicleBox::Metal:
        return VehicleBox::Plastic;
    case VehicleBox::Plastic:
        return VehicleBox::Metal;
    case VehicleBox::Manual:
        return VehicleBox::Automatic;
    case VehicleBox::Automatic:
        return VehicleBox::Manual;
    case VehicleBox::Glass20k:
        return VehicleBox::Glass90R;
    case VehicleBox::Glass90R:
        break;
    }
    return VehicleBox::Glass20k;
}

bool isGlass(VehicleBox box)
{
    return box == VehicleBox::Glass20k || box == VehicleBox::Glass90R;
}

} // namespace

bool isTicked(const VehicleChoices &vehicle, VehicleBox box)
{
    return vehicle.*field(box);
}

void clickVehicleBox(VehicleChoices &vehicle, VehicleBox box, bool ticked)
{
    const bool on = ticked || isGlass(box);
    vehicle.*field(box) = on;
    vehicle.*field(partner(box)) = !on;
}

} // namespace qx
