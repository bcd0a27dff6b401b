#include "tledmeter.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>

TLEDMeter::TLEDMeter(QWidget *parent)
    : QWidget(parent)
    , m_segments(ledSegments(m_range))
{
}

void TLEDMeter::setRange(const LedMeterRange &range)
{
    m_range = range;
    std::vector<LedSegment> segments = ledSegments(range);
    if (segments == m_segments)
        return;
    m_segments = std::move(segments);
    update();
}

void TLEDMeter::setZoneColor(int zone, const QColor &color)
{
    m_colors[zone] = color;
    m_housing.invalidate();
    update();
}

void TLEDMeter::setColorSeparator(const QColor &color)
{
    m_separator = color;
    m_housing.invalidate();
    update();
}

void TLEDMeter::setDirection(Direction direction)
{
    m_direction = direction;
    m_housing.invalidate();
    update();
}

void TLEDMeter::arrange()
{
    m_case = PaintKit::Case(size(), 0.1, 0.15);
    const QRectF face = m_case.face();
    const qreal gap = std::min(face.width(), face.height()) * 0.04;
    m_panel = face.adjusted(gap, gap, -gap, -gap);
}

QRectF TLEDMeter::segmentBox(int index) const
{
    const QRectF &inner = m_panel;
    const int count = int(m_segments.size());
    const bool up = m_direction == mdUp;
    const qreal pitch = (up ? inner.height() : inner.width()) / count;
    const qreal gap = std::max(1.0, pitch * 0.2);
    const qreal across = (up ? inner.width() : inner.height()) * 0.1;
    if (up)
        return QRectF(inner.left() + across, inner.bottom() - (index + 1) * pitch + gap / 2, inner.width() - 2 * across,
                      pitch - gap);
    return QRectF(inner.left() + index * pitch + gap / 2, inner.top() + across, pitch - gap, inner.height() - 2 * across);
}

void TLEDMeter::paintSegment(QPainter &p, int index, bool lit) const
{
    const QRectF box = segmentBox(index);
    const QColor color = m_colors[m_segments[size_t(index)].zone - 1];
    if (lit) {
        // Brightest along the middle, as a lens over the diode.
        const bool up = m_direction == mdUp;
        QLinearGradient lens(box.topLeft(), up ? box.topRight() : box.bottomLeft());
        lens.setColorAt(0, color.darker(130));
        lens.setColorAt(0.5, color.lighter(150));
        lens.setColorAt(1, color.darker(130));
        p.setBrush(lens);
    } else {
        const qreal mix = 0.2;
        p.setBrush(QColor::fromRgbF(color.redF() * mix + m_separator.redF() * (1 - mix),
                                    color.greenF() * mix + m_separator.greenF() * (1 - mix),
                                    color.blueF() * mix + m_separator.blueF() * (1 - mix)));
    }
    const qreal radius = std::min(box.width(), box.height()) * 0.2;
    p.drawRoundedRect(box, radius, radius);
}

void TLEDMeter::paintEvent(QPaintEvent *)
{
    // The dark segments belong to the housing, drawn once; a poll paints
    // only the lit ones over it.
    std::vector<int> zones;
    for (const LedSegment &segment : m_segments)
        zones.push_back(segment.zone);
    if (zones != m_housingZones) {
        m_housingZones = zones;
        m_housing.invalidate();
    }
    QPainter p(this);
    p.drawImage(0, 0, m_housing.face(*this, [this](QPainter &housing) {
        arrange();
        m_case.paint(housing);
        housing.fillRect(m_panel, m_separator);
        housing.setRenderHint(QPainter::Antialiasing);
        housing.setPen(Qt::NoPen);
        for (int i = 0; i < int(m_segments.size()); ++i)
            paintSegment(housing, i, false);
    }));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(m_segments.size()); ++i) {
        if (m_segments[size_t(i)].lit)
            paintSegment(p, i, true);
    }
}
