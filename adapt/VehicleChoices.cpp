#include "VehicleChoices.h"

namespace qx {

int stepperOpening(const VehicleChoices &vehicle)
{
    static constexpr int metal[] = {2, 3, 5, 7, 9};
    static constexpr int plastic[] = {3, 5, 7, 9, 11};
    const int capacity = int(vehicle.capacity);
    if (capacity < 0 || capacity > 4)
        return 0;
    if (vehicle.metalIntake)
        return metal[capacity];
    if (vehicle.plasticIntake)
        return plastic[capacity];
    return 0;
}

} // namespace qx
