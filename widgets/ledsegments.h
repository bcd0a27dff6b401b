#pragma once

#include <vector>

// What each segment of a segmented LED bar shows, counted from the start of
// its direction: the colour zone it belongs to (1, 2 or 3) and whether it is lit.
struct LedSegment
{
    int zone = 1;
    bool lit = false;

    bool operator==(const LedSegment &o) const { return zone == o.zone && lit == o.lit; }
};

struct LedMeterRange
{
    int min = 0;
    int max = 100;
    int position = 0;
    int numDigits = 10;
    bool singleLed = false;
    int startColor2 = 50;
    int startColor3 = 75;
};

std::vector<LedSegment> ledSegments(const LedMeterRange &range);
