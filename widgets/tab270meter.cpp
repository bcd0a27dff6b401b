#include "tab270meter.h"

TAb270Meter::TAb270Meter(QWidget *parent)
    : TAbRoundMeter(parent, 225, 270)
{
}

TAbRoundMeter::Frame TAb270Meter::frame(QSizeF size) const
{
    Frame f;
    f.radius = std::min(size.width(), size.height()) / 2 - 0.5;
    f.pivot = QPointF(size.width() / 2, size.height() / 2);
    f.name1Y = -0.36;
    f.name2Y = 0.27;
    f.readoutY = 0.57;
    return f;
}

QPainterPath TAb270Meter::outline(qreal inset) const
{
    const qreal r = std::max(0.0, placed().radius - inset);
    QPainterPath path;
    path.addEllipse(placed().pivot, r, r);
    return path;
}
