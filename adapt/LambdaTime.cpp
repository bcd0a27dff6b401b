#include "LambdaTime.h"

#include "ExtendedReal.h"

#include <cstdint>
#include <limits>
#include <numeric>

namespace qx {

namespace {

constexpr int MinimumStretches = 2;
constexpr long long MsPerTick = 100;
// 0.85 as an 80-bit real holds it, a little above 0.85.
constexpr ExtendedReal Share85{0xD99999999999999Au, -64};

// numerator ÷ denominator rounded to 64 significant bits, ties to even, by
// long division: ExtendedReal multiplies but does not divide. Both positive
// and below 2^62.
ExtendedReal quotient(std::uint64_t numerator, std::uint64_t denominator)
{
    constexpr std::uint64_t TopBit = std::uint64_t(1) << 63;
    if (numerator == 0)
        return {};
    std::uint64_t mantissa = numerator / denominator;
    std::uint64_t rest = numerator % denominator;
    int exponent = 0;
    while ((mantissa & TopBit) == 0) {
        rest <<= 1;
        mantissa = mantissa << 1 | (rest >= denominator ? 1 : 0);
        if (rest >= denominator)
            rest -= denominator;
        --exponent;
    }
    const std::uint64_t twice = rest << 1;
    const bool up = twice > denominator || (twice == denominator && (mantissa & 1) != 0);
    if (!up)
        return {mantissa, exponent};
    if (mantissa == std::numeric_limits<std::uint64_t>::max())
        return {TopBit, exponent + 1};
    return {mantissa + 1, exponent};
}

} // namespace

std::optional<int> lambdaTimeFromStretches(const QVector<int> &stretchTicks)
{
    if (stretchTicks.size() < MinimumStretches)
        return std::nullopt;
    const long long sum = std::accumulate(stretchTicks.begin(), stretchTicks.end(), 0LL);
    const ExtendedReal mean = quotient(std::uint64_t(sum), std::uint64_t(stretchTicks.size()));
    return int((mean * MsPerTick * Share85).roundedToInteger());
}

} // namespace qx
