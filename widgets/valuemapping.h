#pragma once

// Conversion between the raw number a page writes (Digit) and the engineering
// value an instrument shows, plus positions in thousandths of the scale span,
// which sectors and recorded extremes are expressed in.

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double x);

class ValueMapping
{
public:
    // Keeps the previous span factor unless both spans are positive, so a
    // range written field by field never divides by zero half-way through.
    void setRange(int digitalFrom, int digitalTo, float valueFrom, float valueTo);

    float valueOf(int digit) const;
    int digitOf(float value) const;

    // Position of a value in thousandths of the shown span; not limited, so a
    // value off the scale lies outside 0..1000. 0 when the span is not positive.
    // Single-precision noise is taken off, so a value meant to lie on a whole
    // thousandth (a sector boundary) lies exactly on it.
    double valuePosition(float value) const;
    // Position of a raw number in thousandths of the digital span, limited to 0..1000.
    int digitPosition(int digit) const;
    // Fraction of the shown span, limited to 0..1, for drawing.
    double valueFraction(float value) const;

private:
    int m_digitalFrom = 0;
    int m_digitalTo = 100;
    float m_valueFrom = 0;
    float m_valueTo = 100;
    double m_factor = 1.0;
};
