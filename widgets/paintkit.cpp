#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QWidget>

#include <cmath>

namespace PaintKit {

QFont sizedFont(const QWidget &widget, qreal pixelSize, QFont::Weight weight)
{
    QFont f = widget.font();
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setWeight(weight);
    return f;
}

static QLinearGradient chrome(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(0xf7, 0xf9, 0xfb));
    g.setColorAt(0.35, QColor(0xb9, 0xbf, 0xc6));
    g.setColorAt(0.6, QColor(0x7a, 0x81, 0x8a));
    g.setColorAt(1.0, QColor(0x2a, 0x2e, 0x33));
    return g;
}

static Outline roundedBox(const QRectF &box, qreal radius)
{
    return [box, radius](qreal inset) {
        QPainterPath path;
        const qreal r = std::max(0.0, radius - inset);
        path.addRoundedRect(box.adjusted(inset, inset, -inset, -inset), r, r);
        return path;
    };
}

qreal bevelInset(qreal rim, bool outer, bool inner)
{
    return (outer ? rim : 0) + (inner ? std::max(1.0, rim * 0.3) : 0);
}

qreal paintBevelledFace(QPainter &p, const Outline &outline, qreal rim, bool outer, bool inner)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRectF box = outline(0).boundingRect();
    qreal inset = 0;
    if (outer) {
        // Lit from the top left on its outer half, shadowed there on its inner
        // half: the rim reads as a rounded chrome ring.
        p.setBrush(chrome(box.topLeft(), box.bottomRight()));
        p.drawPath(outline(0));
        p.setBrush(chrome(box.bottomRight(), box.topLeft()));
        p.drawPath(outline(rim * 0.5));
        inset = rim;
    }
    if (inner) {
        p.setBrush(QColor(0x04, 0x05, 0x06));
        p.drawPath(outline(inset));
    }
    inset = bevelInset(rim, outer, inner);
    p.setBrush(faceBrush(outline(inset).boundingRect()));
    p.drawPath(outline(inset));
    p.restore();
    return inset;
}

Case::Case(QSizeF size, qreal rimShare, qreal cornerShare, bool outer, bool inner)
    : m_box(QPointF(0.5, 0.5), size - QSizeF(1, 1))
    , m_outer(outer)
    , m_inner(inner)
{
    const qreal side = std::min(m_box.width(), m_box.height());
    m_rim = side * rimShare;
    m_corner = side * cornerShare;
}

QRectF Case::face() const
{
    const qreal inset = bevelInset(m_rim, m_outer, m_inner);
    return m_box.adjusted(inset, inset, -inset, -inset);
}

void Case::paint(QPainter &p) const
{
    paintBevelledFace(p, roundedBox(m_box, m_corner), m_rim, m_outer, m_inner);
}

QBrush faceBrush(const QRectF &box)
{
    const qreal r = std::max(box.width(), box.height()) * 0.75;
    QRadialGradient g(box.center() - QPointF(0, box.height() * 0.15), r);
    g.setColorAt(0.0, QColor(0x3b, 0x41, 0x4a));
    g.setColorAt(0.55, QColor(0x1d, 0x20, 0x25));
    g.setColorAt(1.0, QColor(0x0c, 0x0e, 0x11));
    return g;
}

void paintReadoutWindow(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = box.height() * 0.22;
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0x02, 0x02, 0x03));
    g.setColorAt(1, QColor(0x14, 0x16, 0x1a));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x4a, 0x50, 0x59), std::max(1.0, box.height() * 0.05)));
    p.drawRoundedRect(box, radius, radius);
    p.restore();
}

void drawTextAt(QPainter &p, QPointF anchor, Qt::Alignment how, const QString &text)
{
    constexpr qreal big = 10000;
    const qreal left = how & Qt::AlignLeft ? anchor.x() : how & Qt::AlignRight ? anchor.x() - big : anchor.x() - big / 2;
    const qreal top = how & Qt::AlignTop ? anchor.y() : how & Qt::AlignBottom ? anchor.y() - big : anchor.y() - big / 2;
    p.drawText(QRectF(left, top, big, big), int(how), text);
}

void paintLinearScale(QPainter &p, const LinearScale &s)
{
    if (s.steps <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF along = s.end - s.start;
    auto at = [&](qreal t) { return s.start + along * t; };

    QPen pen(s.color, s.lineWidth, Qt::SolidLine, Qt::FlatCap);
    for (int i = 0; i <= s.steps; ++i) {
        const QPointF base = at(qreal(i) / s.steps);
        pen.setWidthF(s.lineWidth);
        p.setPen(pen);
        p.drawLine(base, base + s.tickDirection * s.majorLength);
        if (i == s.steps)
            break;
        pen.setWidthF(s.lineWidth * 0.6);
        p.setPen(pen);
        for (int k = 1; k < s.subSteps; ++k) {
            const QPointF minor = at((i + qreal(k) / s.subSteps) / s.steps);
            p.drawLine(minor, minor + s.tickDirection * s.minorLength);
        }
    }

    Qt::Alignment how = Qt::AlignRight | Qt::AlignVCenter;
    if (s.tickDirection.y() > 0.5)
        how = Qt::AlignHCenter | Qt::AlignTop;
    else if (s.tickDirection.y() < -0.5)
        how = Qt::AlignHCenter | Qt::AlignBottom;
    else if (s.tickDirection.x() > 0.5)
        how = Qt::AlignLeft | Qt::AlignVCenter;
    p.setFont(s.font);
    p.setPen(s.color);
    for (int i = 0; i <= s.steps && i < s.labels.size(); ++i)
        drawTextAt(p, at(qreal(i) / s.steps) + s.tickDirection * (s.majorLength + s.labelGap), how, s.labels[i]);
    p.restore();
}

void paintMarker(QPainter &p, QPointF tip, QPointF direction, qreal size, const QColor &color)
{
    const QPointF base = tip - direction * size;
    const QPointF across(-direction.y() * size * 0.6, direction.x() * size * 0.6);
    const QPointF triangle[] = {tip, base + across, base - across};
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(triangle, 3);
    p.restore();
}

} // namespace PaintKit
