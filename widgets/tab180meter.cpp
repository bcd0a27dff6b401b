#include "tab180meter.h"

// Height of the foot below the pivot, in case radii.
static constexpr qreal foot = 0.42;

TAb180Meter::TAb180Meter(QWidget *parent)
    : TAbRoundMeter(parent, 180, 180)
{
}

TAbRoundMeter::Frame TAb180Meter::frame(QSizeF size) const
{
    Frame f;
    f.radius = std::min(size.width() / 2, size.height() / (1 + foot)) - 0.5;
    const qreal top = (size.height() - f.radius * (1 + foot)) / 2;
    f.pivot = QPointF(size.width() / 2, top + f.radius);
    f.name1Y = -0.4;
    f.name2Y = -0.24;
    f.readoutY = 0.24;
    return f;
}

QPainterPath TAb180Meter::outline(qreal inset) const
{
    const Frame &f = placed();
    const qreal r = std::max(0.0, f.radius - inset);
    const qreal bottom = f.pivot.y() + f.radius * foot - inset;
    const qreal corner = std::max(0.0, f.radius * 0.16 - inset);
    const qreal left = f.pivot.x() - r;
    const qreal right = f.pivot.x() + r;

    QPainterPath path;
    path.moveTo(left, f.pivot.y());
    path.arcTo(QRectF(left, f.pivot.y() - r, 2 * r, 2 * r), 180, -180);
    path.lineTo(right, bottom - corner);
    path.arcTo(QRectF(right - 2 * corner, bottom - 2 * corner, 2 * corner, 2 * corner), 0, -90);
    path.lineTo(left + corner, bottom);
    path.arcTo(QRectF(left, bottom - 2 * corner, 2 * corner, 2 * corner), 270, -90);
    path.closeSubpath();
    return path;
}
