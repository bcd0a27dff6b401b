#pragma once

#include <cstdint>

namespace qx {

// A real as the controller's 80-bit extended arithmetic holds it: a 64-bit
// mantissa times a power of two, every product rounded to 64 significant bits
// with ties to even. Worked out in integers, so the halfway figures come out
// the same on compilers whose long double is narrower. The exponent is not
// bounded; the program's figures stay far inside the 80-bit format's range.
class ExtendedReal
{
public:
    constexpr ExtendedReal() = default;

    // mantissa × 2^exponent, exactly.
    constexpr ExtendedReal(std::uint64_t mantissa, int exponent, bool negative = false)
        : mantissa_(mantissa), exponent_(exponent), negative_(negative && mantissa != 0)
    {
        if (mantissa_ == 0) {
            exponent_ = 0;
            return;
        }
        while ((mantissa_ & TopBit) == 0) {
            mantissa_ <<= 1;
            --exponent_;
        }
    }

    // Every integer converts exactly, as it does to an 80-bit long double.
    constexpr ExtendedReal(long long integer)
        : ExtendedReal(integer < 0 ? std::uint64_t(-(integer + 1)) + 1 : std::uint64_t(integer), 0, integer < 0)
    {
    }

    // numerator ÷ denominator rounded to 64 significant bits, ties to even,
    // as the 80-bit division gives it. Both positive and below 2^62.
    static ExtendedReal quotient(std::uint64_t numerator, std::uint64_t denominator);
    // The product rounded to 64 significant bits, ties to even.
    ExtendedReal operator*(const ExtendedReal &other) const;
    // Exact: only the exponent changes.
    ExtendedReal dividedByPowerOfTwo(int power) const;
    // The mantissa rounded to 40 bits, halves up (towards +∞), as a 6-byte
    // real keeps it.
    ExtendedReal roundedTo40Bits() const;
    // The nearest integer, halves to even; it must fit a long long.
    long long roundedToInteger() const;

    // Normalised: the top bit of a non-zero mantissa is set; zero is 0 × 2^0.
    constexpr std::uint64_t mantissa() const { return mantissa_; }
    constexpr int exponent() const { return exponent_; }
    constexpr bool isNegative() const { return negative_; }

    friend constexpr bool operator==(const ExtendedReal &a, const ExtendedReal &b)
    {
        return a.mantissa_ == b.mantissa_ && a.exponent_ == b.exponent_ && a.negative_ == b.negative_;
    }

private:
    static constexpr std::uint64_t TopBit = std::uint64_t(1) << 63;

    std::uint64_t mantissa_ = 0;
    int exponent_ = 0;
    bool negative_ = false;
};

// 0.001 and 0.002 as an 80-bit long double holds them: 1/1000 × 2^73 rounded.
constexpr ExtendedReal OneThousandth{0x83126E978D4FDF3Bu, -73};
constexpr ExtendedReal TwoThousandths{0x83126E978D4FDF3Bu, -72};

} // namespace qx
