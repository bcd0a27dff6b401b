#include "tabhbar.h"

#include "paintkit.h"
#include "valueformat.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace PaintKit;

TAbHBar::TAbHBar(QWidget *parent)
    : TAbBar(parent)
{
}

QString TAbHBar::widestText() const
{
    const SignalSettings &s = signalSettings();
    QString widest;
    for (float v : {s.valueFrom, s.valueTo}) {
        QString text = formatValue(v, s.valueFormat);
        if (text.size() > widest.size())
            widest = text;
    }
    if (hasBar(BarSettings::opUnit) && !s.valueUnit.isEmpty())
        widest += QLatin1Char(' ') + s.valueUnit;
    return widest;
}

void TAbHBar::arrange(QSizeF size)
{
    const QRectF inner = arrangeCase(size, 0.07, 0.18);
    m_unit = inner.height();

    const qreal pad = m_unit * 0.16;
    qreal textWidth = 0;
    if (hasBar(BarSettings::opValue))
        textWidth = QFontMetricsF(sizedFont(*this, m_unit * 0.34, QFont::DemiBold)).horizontalAdvance(widestText()) + pad;
    m_text = QRectF(inner.right() - pad - textWidth, inner.top(), textWidth, m_unit * 0.54);
    m_trough = QRectF(inner.left() + pad, inner.top() + m_unit * 0.12,
                      inner.width() - 2 * pad - textWidth, m_unit * 0.32);
}

qreal TAbHBar::xAt(double fraction) const
{
    return m_trough.left() + m_trough.width() * fraction;
}

void TAbHBar::paintFace(QPainter &p) const
{
    paintCase(p);

    p.setPen(QPen(QColor(0x4a, 0x50, 0x59), std::max(1.0, m_unit * 0.025)));
    p.setBrush(trough);
    p.drawRoundedRect(m_trough, m_trough.height() * 0.2, m_trough.height() * 0.2);

    const qreal stripTop = m_trough.bottom() + m_unit * 0.04;
    const qreal stripHeight = m_unit * 0.07;
    for (const SectorSpan &sector : sectorSpans())
        p.fillRect(QRectF(xAt(sector.from), stripTop, xAt(sector.to) - xAt(sector.from), stripHeight), sector.color);

    paintLinearScale(p, straightScale(QPointF(m_trough.left(), stripTop + stripHeight),
                                      QPointF(m_trough.right(), stripTop + stripHeight), QPointF(0, 1), m_unit * 0.12,
                                      m_unit * 0.25));
    for (double at : limitPositions())
        paintMarker(p, QPointF(xAt(at), m_trough.top()), QPointF(0, 1), m_unit * 0.1, limitMark);
}

void TAbHBar::paintIndicator(QPainter &p) const
{
    const bool bidir = hasBar(BarSettings::opBidir);
    const qreal from = xAt(bidir ? 0.5 : 0.0);
    const qreal to = xAt(fraction());
    const QRectF bar = QRectF(QPointF(std::min(from, to), m_trough.top()), QPointF(std::max(from, to), m_trough.bottom()))
                           .adjusted(0, m_unit * 0.04, 0, -m_unit * 0.04);
    if (bar.width() > 0) {
        const QColor color = barColor();
        QLinearGradient glow(bar.topLeft(), bar.bottomLeft());
        glow.setColorAt(0, color.lighter(160));
        glow.setColorAt(0.45, color);
        glow.setColorAt(1, color.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(bar, bar.height() * 0.15, bar.height() * 0.15);
    }

    const MinMaxRecord &record = minMax();
    const MinMaxMarks &marks = minMaxMarks();
    if (!record.isEmpty()) {
        auto mark = [&](const Extreme &e, const QColor &color) {
            const qreal x = xAt(e.position / 1000.0);
            p.setPen(QPen(color, std::max(1.5, m_unit * 0.05)));
            p.drawLine(QPointF(x, m_trough.top()), QPointF(x, m_trough.bottom()));
        };
        if (marks.minVisible)
            mark(record.lowest(), marks.minColor);
        if (marks.maxVisible)
            mark(record.highest(), marks.maxColor);
    }

    if (hasBar(BarSettings::opValue)) {
        p.setFont(sizedFont(*this, m_unit * 0.34, QFont::DemiBold));
        p.setPen(readoutColor());
        drawTextAt(p, QPointF(m_text.right(), m_trough.center().y()), Qt::AlignRight | Qt::AlignVCenter,
                   valueText(hasBar(BarSettings::opUnit)));
    }
}
