#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace qx {

// Where a skin colour goes on a control.
enum class SkinSlot { Text, Background, FieldText, FieldBackground, ButtonText, ButtonFace, ButtonHover };

// The dynamic property by which a page gives a control one of the looks of
// the application's sheet (a live readout, say); a skin's colours then go
// into the sheet as well, since the look's rule outranks the palette.
inline constexpr const char *PageLookProperty = "qxLook";

// Gives controls their skin colours so that each colour is what the control
// paints. The palette always takes the colour, so code that reads a control's
// colour sees the skin's. Buttons, input fields and controls with a page look
// also get a sheet of their own, the user's sheet at its end: a look's rule
// outranks the palette, many styles draw buttons and lists without it, and
// only a sheet colours a face under the mouse pointer. Every skin adds to what
// the ones before it set.
class SkinStyler
{
public:
    void setColour(QWidget &control, SkinSlot slot, const QColor &colour);
    // The skin's part of the application's sheet, for every control coloured so far.
    void restyle();

private:
    QList<QPointer<QWidget>> styled_;
};

} // namespace qx
