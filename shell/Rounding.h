#pragma once

#include <cmath>

namespace qx {

// Nearest integer with halves to the even neighbour (2.5 → 2, 3.5 → 4), the
// rounding of every conversion in the program. Relies on the default
// floating-point rounding mode, which nothing in the program changes.
inline long long roundHalfEven(double x)
{
    return static_cast<long long>(std::nearbyint(x));
}

} // namespace qx
