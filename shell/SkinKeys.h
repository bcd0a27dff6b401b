#pragma once

#include <QList>
#include <QStringList>

namespace qx {

// What a skin key sets on each control it names.
enum class SkinProperty {
    GradientShown,    // 0 leaves the gradient unpainted, any other number paints it
    GradientStart,    // the gradient's two colours
    GradientEnd,
    TextColour,       // labels, check boxes, the LED's caption, a meter's texts
    Background,       // panels, group boxes, labels, the small selection boxes
    FieldText,        // edit fields and lists
    FieldBackground,
    ButtonText,       // coloured buttons
    ButtonFace,
    ButtonHover,      // the face under the mouse pointer
    MeterUnitColour,  // the unit after a meter's reading
    MeterScaleColour, // a meter's scale numbers
    TraceColourD,     // the line of the chart's fourth channel
    CaptionBackground // the highlight of the focused parameter caption
};

struct SkinKey
{
    int key;
    SkinProperty property;
    QStringList controls; // object names; none for CaptionBackground
};

// The key's meaning, or nullptr for a key that has none.
const SkinKey *findSkinKey(int key);

// Every key with a meaning, in ascending order.
const QList<SkinKey> &skinKeyTable();

// The parameter captions that show the caption highlight.
const QStringList &captionBackgroundControls();

} // namespace qx
