#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace qx {

// What a profile changes in a control besides its box.
enum class ControlKind {
    Label,     // font size, regular below 10 pt
    Font,      // font size: group boxes, panels, lists, coloured buttons, thermometers, bar gauges
    CheckBox,  // font size
    Meter,     // round meters: font size; their painted texts follow the face
    Led,       // font size, and a lamp round(s × 25) high in its box
    Box,       // the box only: pictures, gradients, tanks, LED bars, traces, spin buttons
    MovedOnly, // left and top only: the small selection boxes keep their size and font
    Backdrop,  // nothing: a background that covers its whole page or sheet at every size
};

// Where a control's font size comes from.
enum class FontRule {
    None,
    SizeClass,       // b
    Heading,         // a
    SizeClassPlus2,  // b + 2
    DoubleSizeClass, // 2 × b
    Own,             // round(s × the control's own size)
};

struct ScaleRule
{
    ControlKind kind;
    FontRule font;
    int ownPoints = 0; // for FontRule::Own
};

// The profile values a rescale uses.
struct ScaleFactors
{
    double scale;    // s
    int sizeClass;   // b
    int headingSize; // a
};

// The rule of a control by its object name; null for a control no profile knows.
const ScaleRule *scaleRule(const QString &name);

// Gives a control its box and font for a profile, from its design box and
// design weight, so a profile change never builds on the one before.
void ScaleControl(QWidget &control, const QRect &design, bool designBold, const ScaleRule &rule,
                  const ScaleFactors &factors);

} // namespace qx
