#include "valuemapping.h"

#include <algorithm>
#include <cmath>

int roundHalfEven(double x)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return static_cast<int>(std::lrint(x));
}

void ValueMapping::setRange(int digitalFrom, int digitalTo, float valueFrom, float valueTo)
{
    m_digitalFrom = digitalFrom;
    m_digitalTo = digitalTo;
    m_valueFrom = valueFrom;
    m_valueTo = valueTo;
    const double digitalSpan = double(digitalTo) - digitalFrom;
    const double valueSpan = double(valueTo) - valueFrom;
    if (digitalSpan > 0 && valueSpan > 0)
        m_factor = valueSpan / digitalSpan;
}

float ValueMapping::valueOf(int digit) const
{
    return float(m_valueFrom + (double(digit) - m_digitalFrom) * m_factor);
}

int ValueMapping::digitOf(float value) const
{
    return m_digitalFrom + roundHalfEven((double(value) - m_valueFrom) / m_factor);
}

double ValueMapping::valuePosition(float value) const
{
    const double span = double(m_valueTo) - m_valueFrom;
    if (span <= 0)
        return 0;
    const double position = (double(value) - m_valueFrom) * 1000.0 / span;
    // A float carries about seven digits: its error here stays far below a
    // thousandth of a thousandth, while one step of any raw number is larger.
    const double whole = std::round(position);
    return std::abs(position - whole) < 1e-3 ? whole : position;
}

int ValueMapping::digitPosition(int digit) const
{
    const double span = double(m_digitalTo) - m_digitalFrom;
    if (span <= 0)
        return 0;
    return std::clamp(roundHalfEven((double(digit) - m_digitalFrom) * 1000.0 / span), 0, 1000);
}

double ValueMapping::valueFraction(float value) const
{
    const double span = double(m_valueTo) - m_valueFrom;
    if (span <= 0)
        return 0;
    return std::clamp((double(value) - m_valueFrom) / span, 0.0, 1.0);
}
