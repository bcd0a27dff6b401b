#include "LambdaTime.h"

#include "ExtendedReal.h"

#include <cstdint>
#include <numeric>

namespace qx {

namespace {

constexpr int MinimumStretches = 2;
constexpr long long MsPerTick = 100;
// 0.85 as an 80-bit real holds it, a little above 0.85.
constexpr ExtendedReal Share85{0xD99999999999999Au, -64};

} // namespace

std::optional<int> lambdaTimeFromStretches(const QVector<int> &stretchTicks)
{
    if (stretchTicks.size() < MinimumStretches)
        return std::nullopt;
    const long long sum = std::accumulate(stretchTicks.begin(), stretchTicks.end(), 0LL);
    const ExtendedReal mean = ExtendedReal::quotient(std::uint64_t(sum), std::uint64_t(stretchTicks.size()));
    return int((mean * MsPerTick * Share85).roundedToInteger());
}

} // namespace qx
