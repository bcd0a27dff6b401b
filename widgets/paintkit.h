#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QStringList>

#include <functional>

class QPainter;
class QWidget;

// Drawing pieces the instruments share, so they look like one family. Every
// length is passed in by the caller, which derives it from its own size.
namespace PaintKit {

// The family's colours.
inline const QColor faceText = QColor(0xec, 0xef, 0xf1);
inline const QColor faceDim = QColor(0x9a, 0xa3, 0xad);
inline const QColor readoutText = QColor(0xff, 0xc9, 0x4d);
inline const QColor warning = QColor(0xff, 0x3b, 0x30);
inline const QColor limitMark = QColor(0xff, 0xb3, 0x00);
inline const QColor trough = QColor(0x0b, 0x0d, 0x10);

// The widget's font family at a size in pixels.
QFont sizedFont(const QWidget &widget, qreal pixelSize, QFont::Weight weight = QFont::Normal);

// A shape's outline shrunk by the given inset in pixels.
using Outline = std::function<QPainterPath(qreal inset)>;

// Where the face begins inside a rim of the given width, as paintBevelledFace draws it.
qreal bevelInset(qreal rim, bool outer, bool inner);

// Chrome rim (outer), a dark seam inside it (inner), then the face. Returns
// the inset at which the face begins.
qreal paintBevelledFace(QPainter &p, const Outline &outline, qreal rim, bool outer, bool inner);

// A rounded case filling a widget: chrome rim (outer), dark seam (inner) and
// face, the rim and corners sized as shares of the shorter side.
class Case
{
public:
    Case() = default;
    Case(QSizeF size, qreal rimShare, qreal cornerShare, bool outer = true, bool inner = true);
    QRectF face() const;
    void paint(QPainter &p) const;

private:
    QRectF m_box;
    qreal m_rim = 0;
    qreal m_corner = 0;
    bool m_outer = true;
    bool m_inner = true;
};

// The dark, softly lit background of a face within a box.
QBrush faceBrush(const QRectF &box);

// A recessed dark window for a digital readout.
void paintReadoutWindow(QPainter &p, const QRectF &box);

// Text placed by an anchor point: `how` tells which side of the text the point is.
void drawTextAt(QPainter &p, QPointF anchor, Qt::Alignment how, const QString &text);

// Ticks and numbers along a straight line.
struct LinearScale
{
    QPointF start;          // first major tick
    QPointF end;            // last major tick
    QPointF tickDirection;  // unit vector from the line towards the tick ends
    qreal majorLength = 0;
    qreal minorLength = 0;
    qreal lineWidth = 1;
    int steps = 1;
    int subSteps = 1;
    QStringList labels;     // one per major tick, drawn past the tick ends
    qreal labelGap = 0;
    QFont font;
    QColor color;
};
void paintLinearScale(QPainter &p, const LinearScale &scale);

// A small triangle pointing along `direction` with its tip at `tip`.
void paintMarker(QPainter &p, QPointF tip, QPointF direction, qreal size, const QColor &color);

} // namespace PaintKit
