#include "ExtendedReal.h"

#include <cassert>
#include <limits>

namespace qx {

namespace {

struct Wide
{
    std::uint64_t high;
    std::uint64_t low;
};

// The full 128-bit product from 32-bit halves: not every compiler has a
// 128-bit integer type.
Wide multiplyWide(std::uint64_t a, std::uint64_t b)
{
    constexpr std::uint64_t Low32 = 0xFFFFFFFFu;
    const std::uint64_t lowLow = (a & Low32) * (b & Low32);
    const std::uint64_t lowHigh = (a & Low32) * (b >> 32);
    const std::uint64_t highLow = (a >> 32) * (b & Low32);
    const std::uint64_t highHigh = (a >> 32) * (b >> 32);
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & Low32) + (highLow & Low32);
    return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32), middle << 32 | (lowLow & Low32)};
}

// How a magnitude lying exactly halfway between two kept values goes.
enum class Tie { ToEven, Up, Down };

// Whether the kept bits go up by one when the bits below them, rest, are
// dropped; half is what rest would be exactly halfway.
bool roundsUp(std::uint64_t kept, std::uint64_t rest, std::uint64_t half, Tie tie)
{
    if (rest != half)
        return rest > half;
    return tie == Tie::Up || (tie == Tie::ToEven && (kept & 1) != 0);
}

} // namespace

ExtendedReal ExtendedReal::operator*(const ExtendedReal &other) const
{
    Wide product = multiplyWide(mantissa_, other.mantissa_);
    int exponent = exponent_ + other.exponent_ + 64;
    const bool negative = negative_ != other.negative_;
    if ((product.high & TopBit) == 0) {
        // Two normalised mantissas give 127 or 128 bits; a zero factor gives 0.
        product.high = product.high << 1 | product.low >> 63;
        product.low <<= 1;
        --exponent;
    }
    if (!roundsUp(product.high, product.low, TopBit, Tie::ToEven))
        return {product.high, exponent, negative};
    if (product.high == std::numeric_limits<std::uint64_t>::max())
        return {TopBit, exponent + 1, negative};
    return {product.high + 1, exponent, negative};
}

ExtendedReal ExtendedReal::dividedByPowerOfTwo(int power) const
{
    return {mantissa_, exponent_ - power, negative_};
}

ExtendedReal ExtendedReal::roundedTo40Bits() const
{
    constexpr int Dropped = 64 - 40;
    const std::uint64_t kept = mantissa_ >> Dropped;
    const std::uint64_t rest = mantissa_ & ((std::uint64_t(1) << Dropped) - 1);
    const Tie tie = negative_ ? Tie::Down : Tie::Up;
    // A carry out of the 40 bits normalises itself in the constructor.
    return {kept + roundsUp(kept, rest, std::uint64_t(1) << (Dropped - 1), tie), exponent_ + Dropped, negative_};
}

long long ExtendedReal::roundedToInteger() const
{
    if (mantissa_ == 0)
        return 0;
    assert(exponent_ < 0); // a normalised mantissa times 2^0 is already 2^63 or more
    const int shift = -exponent_;
    if (shift > 64)
        return 0; // below one half
    const std::uint64_t kept = shift == 64 ? 0 : mantissa_ >> shift;
    const std::uint64_t rest = shift == 64 ? mantissa_ : mantissa_ & ((std::uint64_t(1) << shift) - 1);
    const auto magnitude =
        static_cast<long long>(kept + roundsUp(kept, rest, std::uint64_t(1) << (shift - 1), Tie::ToEven));
    return negative_ ? -magnitude : magnitude;
}

// By long division, one bit of the quotient at a time.
ExtendedReal ExtendedReal::quotient(std::uint64_t numerator, std::uint64_t denominator)
{
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

} // namespace qx
