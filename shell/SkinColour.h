#pragma once

#include <QColor>
#include <QPalette>

#include <optional>

namespace qx {

// A colour as skin files write it, a 32-bit signed number: the lowest byte is
// red, the next green, the next blue, and the byte above them is not looked
// at. With the top bit set the low byte names one of the desktop's colours
// 0 to 30 (15 is the button face; 0x8000000F and 0xFF00000F alike), taken
// from the desktop palette given; any other low byte is no colour.
std::optional<QColor> skinColour(qint32 value, const QPalette &desktop);

} // namespace qx
