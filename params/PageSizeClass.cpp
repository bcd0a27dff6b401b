#include "PageSizeClass.h"

namespace qx {

namespace {

// Value ends follow the printing groups as the profiles scale them (372 px at
// the design), at the smaller scale where a class serves two profiles.
const PageSizeClass Classes[] = {
    {8, 8, 8, 7, 10, 10, 12, 7, 24, 0.9, 4, true, {0, 102, 164}, {0, 142, 230}, 0, 0,
     7, 3, 108, 20, 3, 7, true, 7, 8, 256, 44},
    {12, 12, 12, 10, 9, 12, 16, 10, 33, 1.05, 20, false, {}, {}, 0, 0,
     11, 2, 155, 25, 4, 10, false, 10, 11, 368, 60},
    {16, 16, 16, 13, 11, 12, 20, 13, 46, 1.28, 20, false, {}, {}, 18, 5,
     13, 2, 207, 30, 6, 10, false, 13, 14, 480, 80},
    {21, 21, 16, 16, 14, 15, 23, 17, 52, 128.0 / 75.0, 20, false, {}, {}, 18, 5,
     16, 2, 264, 36, 6, 10, false, 16, 17, 594, 96},
};

} // namespace

const PageSizeClass &pageSizeClass(int sizeClass)
{
    for (const PageSizeClass &c : Classes) {
        if (c.sizeClass == sizeClass)
            return c;
    }
    return Classes[1];
}

QSize parametersPageArea(int layoutWidth)
{
    // The tab widget takes 4 px of width and 28 of height from its box.
    switch (layoutWidth) {
    case 640: return {628, 362};
    case 720: return {713, 462};
    case 1024: return {1011, 648};
    case 1152: return {1118, 735};
    case 1280: return {1254, 905};
    default: return {787, 485};
    }
}

} // namespace qx
