#include "ledsegments.h"

#include "valuemapping.h"

#include <algorithm>

std::vector<LedSegment> ledSegments(const LedMeterRange &r)
{
    const int count = std::max(r.numDigits, 0);
    const double span = double(r.max) - r.min;
    // Segments scaled from a value: round(count * value / span).
    auto segmentsFor = [&](int value) { return span > 0 ? roundHalfEven(count * double(value) / span) : count; };

    const int zone2Start = segmentsFor(r.startColor2);
    const int zone3Start = segmentsFor(r.startColor3);
    const int lit = (span > 0 && r.position > 0) ? std::min(segmentsFor(r.position), count) : 0;

    std::vector<LedSegment> segments(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        LedSegment &s = segments[size_t(i)];
        s.zone = i < zone2Start ? 1 : i < zone3Start ? 2 : 3;
        s.lit = r.singleLed ? i == lit - 1 : i < lit;
    }
    return segments;
}
