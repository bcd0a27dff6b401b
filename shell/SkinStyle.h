#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace qx {

// Where a skin colour goes on a control.
enum class SkinSlot { Text, Background, FieldText, FieldBackground, ButtonText, ButtonFace, ButtonHover };

// Gives controls their skin colours so that each colour is what the control
// paints. The palette always takes the colour, so code that reads a control's
// colour sees the skin's. Buttons, input fields and controls that a page
// styles with a sheet of its own also get a style sheet: a page's sheet
// outranks the palette, many styles draw buttons and lists without it, and
// only a sheet colours a face under the mouse pointer.
class SkinStyler
{
public:
    void setColour(QWidget &control, SkinSlot slot, const QColor &colour);
    // Builds the sheets of the controls coloured since the last call, once each.
    void restyle();

private:
    QList<QPointer<QWidget>> pending_;
};

} // namespace qx
