#include "tabthermometer.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

using namespace PaintKit;

TAbThermometer::TAbThermometer(QWidget *parent)
    : TAbBar(parent)
{
}

void TAbThermometer::arrange(QSizeF size)
{
    m_inner = arrangeCase(size, 0.07, 0.16);
    const qreal w = m_inner.width();
    const qreal h = m_inner.height();

    m_bulbRadius = std::min(w * 0.17, h * 0.08);
    const qreal tubeWidth = m_bulbRadius * 1.0;
    const qreal axis = m_inner.left() + w * 0.32;
    m_bulb = QPointF(axis, m_inner.bottom() - m_bulbRadius - h * 0.04);
    m_tube = QRectF(axis - tubeWidth / 2, m_inner.top() + h * 0.12, tubeWidth, m_bulb.y() - m_inner.top() - h * 0.12);
    m_scaleBottom = m_bulb.y() - m_bulbRadius - h * 0.04;
    m_scaleTop = m_tube.top() + tubeWidth * 0.8;
}

qreal TAbThermometer::yAt(double fraction) const
{
    return m_scaleBottom - (m_scaleBottom - m_scaleTop) * fraction;
}

void TAbThermometer::paintFace(QPainter &p) const
{
    paintCase(p);

    // The empty glass: a dark bore with a pale edge.
    QPainterPath glass;
    glass.setFillRule(Qt::WindingFill);
    glass.addRoundedRect(m_tube.adjusted(0, 0, 0, m_tube.width()), m_tube.width() / 2, m_tube.width() / 2);
    glass.addEllipse(m_bulb, m_bulbRadius, m_bulbRadius);
    glass = glass.simplified();
    QLinearGradient bore(m_tube.topLeft(), m_tube.topRight());
    bore.setColorAt(0, QColor(0x05, 0x06, 0x07));
    bore.setColorAt(0.5, QColor(0x22, 0x26, 0x2c));
    bore.setColorAt(1, QColor(0x05, 0x06, 0x07));
    p.setPen(QPen(QColor(0xc8, 0xd0, 0xd8, 150), std::max(1.0, m_tube.width() * 0.12)));
    p.setBrush(bore);
    p.drawPath(glass);

    const qreal w = m_inner.width();
    const qreal scaleX = m_tube.right() + w * 0.08;
    for (const SectorSpan &sector : sectorSpans())
        p.fillRect(QRectF(scaleX - w * 0.05, yAt(sector.to), w * 0.04, yAt(sector.from) - yAt(sector.to)), sector.color);
    paintLinearScale(p, straightScale(QPointF(scaleX, m_scaleBottom), QPointF(scaleX, m_scaleTop), QPointF(1, 0),
                                      w * 0.16, std::min(w * 0.2, m_inner.height() * 0.07)));
    for (double at : limitPositions())
        paintMarker(p, QPointF(m_tube.left() - w * 0.02, yAt(at)), QPointF(1, 0), w * 0.1, limitMark);

    if (has(opUnit) && !signalSettings().valueUnit.isEmpty()) {
        p.setFont(sizedFont(*this, std::min(w * 0.22, m_inner.height() * 0.075), QFont::DemiBold));
        p.setPen(faceText);
        drawTextAt(p, QPointF(m_inner.center().x(), m_inner.top() + m_inner.height() * 0.06), Qt::AlignCenter,
                   signalSettings().valueUnit);
    }
}

void TAbThermometer::paintIndicator(QPainter &p) const
{
    const QColor color = barColor();
    const qreal width = m_tube.width() * 0.56;
    const qreal top = yAt(fraction());
    QLinearGradient liquid(m_tube.center().x() - width / 2, 0, m_tube.center().x() + width / 2, 0);
    liquid.setColorAt(0, color.darker(140));
    liquid.setColorAt(0.35, color.lighter(150));
    liquid.setColorAt(1, color.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawRect(QRectF(m_tube.center().x() - width / 2, top, width, m_bulb.y() - top));

    const qreal r = m_bulbRadius * 0.78;
    QRadialGradient ball(m_bulb - QPointF(r * 0.35, r * 0.35), r * 1.3);
    ball.setColorAt(0, color.lighter(170));
    ball.setColorAt(0.5, color);
    ball.setColorAt(1, color.darker(170));
    p.setBrush(ball);
    p.drawEllipse(m_bulb, r, r);
}
