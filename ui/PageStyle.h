#pragma once

#include "tabgradient.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace qx::pagestyle {

// The look shared by the instrument pages.

// What a text on the page is for, which decides its look.
enum class Look {
    Heading, // caption over an instrument
    Note,    // small text beside an instrument or the chart
    Axis,    // the chart's lambda scale, in the colour of its trace
    Readout, // a live number in a dark panel
    Alarm,   // the large red transmission-error text
};

// Petrol in red, gas in green, wherever a page shows the fuel in use.
inline const QColor petrolRed{0xff, 0x00, 0x00};
inline const QColor gasGreen{0x00, 0x80, 0x00};
inline const QColor &fuelColour(bool onPetrol)
{
    return onPetrol ? petrolRed : gasGreen;
}

// The colours of the traces behind the chart and its grid.
inline const QColor traceBackground{0xff, 0xff, 0xca};
inline const QColor gridColour{0xc0, 0xc0, 0xc0};

void setTextColour(QWidget &widget, const QColor &colour);
// A live number's dark panel with a bright bold text.
void setReadoutLook(QLabel &label);

// A label with its object name, design box, font size in points and look.
QLabel *makeText(QWidget *parent, const char *name, const QString &text, QRect box, int points, Look look,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// The same for a label made elsewhere, say of a class of its own.
QLabel *setUpText(QLabel *label, const char *name, QRect box, int points, Look look,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A trace's scale panel: the trace colour as its background.
QLabel *makeScalePanel(QWidget *parent, const char *name, const QString &text, QRect box, const QColor &colour);

// A gradient behind part of a page: its object name, the object name of the
// control it lies on (none for the page itself), its design box there (none
// for a background over the whole of it at every size) and which way it runs.
struct GradientRow
{
    const char *name;
    const char *parent;
    QRect box;
    TAbGradient::Direction direction;
};

// Lays a page's gradients under everything on their parents, each row's under
// the rows after it, so a band lies over a background it shares a parent with.
void placeGradients(QWidget &page, std::initializer_list<GradientRow> rows);

} // namespace qx::pagestyle
