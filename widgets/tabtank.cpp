#include "tabtank.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>

using namespace PaintKit;

// Filling drawn when no sector colours the level.
static const QColor liquid(0x1e, 0x9b, 0xe8);

TAbTank::TAbTank(QWidget *parent)
    : TAbAnalog(parent)
{
}

void TAbTank::arrange(QSizeF size)
{
    m_inner = arrangeCase(size, 0.06, 0.12);
    const qreal w = m_inner.width();
    const qreal h = m_inner.height();

    m_readout = QRectF(m_inner.left() + w * 0.1, m_inner.top() + h * 0.03, w * 0.8, std::min(h * 0.11, w * 0.3));
    const qreal bodyWidth = w * 0.44;
    m_ellipse = bodyWidth * 0.28;
    const qreal top = m_readout.bottom() + h * 0.04 + m_ellipse / 2;
    const qreal bottom = m_inner.bottom() - h * 0.1 - m_ellipse / 2;
    m_body = QRectF(m_inner.left() + w * 0.1, top, bodyWidth, bottom - top);
}

qreal TAbTank::levelAt(double fraction) const
{
    return m_body.bottom() - m_body.height() * fraction;
}

void TAbTank::paintFace(QPainter &p) const
{
    paintCase(p);
    paintReadoutWindow(p, m_readout);

    // The empty cylinder, darker towards its sides.
    QLinearGradient shell(m_body.topLeft(), m_body.topRight());
    shell.setColorAt(0, QColor(0x0a, 0x0b, 0x0d));
    shell.setColorAt(0.4, QColor(0x2a, 0x2f, 0x36));
    shell.setColorAt(1, QColor(0x0a, 0x0b, 0x0d));
    QPainterPath cylinder;
    cylinder.setFillRule(Qt::WindingFill);
    cylinder.addRect(m_body);
    cylinder.addEllipse(QRectF(m_body.left(), m_body.bottom() - m_ellipse / 2, m_body.width(), m_ellipse));
    cylinder.addEllipse(QRectF(m_body.left(), m_body.top() - m_ellipse / 2, m_body.width(), m_ellipse));
    p.setPen(QPen(QColor(0x8c, 0x95, 0xa0), std::max(1.0, m_inner.width() * 0.015)));
    p.setBrush(shell);
    p.drawPath(cylinder.simplified());

    const qreal w = m_inner.width();
    const qreal scaleX = m_body.right() + w * 0.06;
    paintLinearScale(p, straightScale(QPointF(scaleX, m_body.bottom()), QPointF(scaleX, m_body.top()), QPointF(1, 0),
                                      w * 0.1, std::min(w * 0.14, m_inner.height() * 0.065)));
    for (double at : limitPositions())
        paintMarker(p, QPointF(m_body.left() - w * 0.01, levelAt(at)), QPointF(1, 0), w * 0.07, limitMark);

    if (has(opUnit) && !signalSettings().valueUnit.isEmpty()) {
        p.setFont(sizedFont(*this, std::min(w * 0.16, m_inner.height() * 0.06), QFont::DemiBold));
        p.setPen(faceDim);
        drawTextAt(p, QPointF(m_inner.center().x(), m_inner.bottom() - m_inner.height() * 0.045), Qt::AlignCenter,
                   signalSettings().valueUnit);
    }
}

void TAbTank::paintIndicator(QPainter &p) const
{
    const QColor color = has(opSector) ? sectorColor(sectorSettings(), mapping().valuePosition(value()), liquid) : liquid;
    const qreal level = levelAt(fraction());
    const QRectF surface(m_body.left(), level - m_ellipse / 2, m_body.width(), m_ellipse);
    const QRectF floor(m_body.left(), m_body.bottom() - m_ellipse / 2, m_body.width(), m_ellipse);

    QLinearGradient body(m_body.topLeft(), m_body.topRight());
    body.setColorAt(0, color.darker(180));
    body.setColorAt(0.4, color.lighter(120));
    body.setColorAt(1, color.darker(200));
    QPainterPath fill;
    fill.setFillRule(Qt::WindingFill);
    fill.addRect(QRectF(m_body.left(), level, m_body.width(), m_body.bottom() - level));
    fill.addEllipse(floor);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(fill);
    p.setBrush(color.lighter(135));
    p.drawEllipse(surface);

    p.setFont(sizedFont(*this, m_readout.height() * 0.68, QFont::DemiBold));
    p.setPen(readoutColor());
    drawTextAt(p, m_readout.center(), Qt::AlignCenter, valueText(false));
}
