#include "tabroundmeter.h"

#include "paintkit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

using namespace PaintKit;

// Radii of the scale, in face radii.
static constexpr qreal tickOuter = 0.90;
static constexpr qreal majorTick = 0.13;
static constexpr qreal minorTick = 0.065;
static constexpr qreal sectorBand = 0.06;
static constexpr qreal labelRadius = 0.64;
static constexpr qreal needleLength = 0.86;

TAbRoundMeter::TAbRoundMeter(QWidget *parent, qreal startAngle, qreal sweep)
    : TAbAnalog(parent)
    , m_start(startAngle)
    , m_sweep(sweep)
{
    QPalette light = palette();
    light.setColor(QPalette::WindowText, faceText);
    setPalette(light);
}

void TAbRoundMeter::setUnitColor(const QColor &color)
{
    if (color == m_unitColor)
        return;
    m_unitColor = color;
    update();
}

void TAbRoundMeter::setScaleColor(const QColor &color)
{
    if (color == scaleColor())
        return;
    ScaleSettings scale = scaleSettings();
    scale.scaleColor = color;
    setScaleSettings(scale);
}

void TAbRoundMeter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        invalidateFace();
    TAbAnalog::changeEvent(event);
}

QPointF TAbRoundMeter::pointAt(qreal angle, qreal radius) const
{
    const qreal a = qDegreesToRadians(angle);
    return m_frame.pivot + QPointF(std::cos(a) * radius, -std::sin(a) * radius);
}

void TAbRoundMeter::arrange(QSizeF size)
{
    m_frame = frame(size);
    m_rim = m_frame.radius * 0.06;
    m_face = m_frame.radius - bevelInset(m_rim, has(opBevelOuter), has(opBevelInner));
    const QPointF centre = m_frame.pivot + QPointF(0, m_frame.readoutY * m_face);
    m_readout = QRectF(0, 0, m_face * 0.7, m_face * 0.22);
    m_readout.moveCenter(centre);
}

void TAbRoundMeter::paintFace(QPainter &p) const
{
    paintBevelledFace(p, [this](qreal inset) { return outline(inset); }, m_rim, has(opBevelOuter), has(opBevelInner));
    paintSectors(p);
    paintTicks(p);
    paintLimits(p);

    const SignalSettings &s = signalSettings();
    if (has(opName1) && !s.name1.isEmpty()) {
        p.setFont(sizedFont(*this, m_face * 0.13, QFont::DemiBold));
        p.setPen(palette().color(QPalette::WindowText));
        drawTextAt(p, m_frame.pivot + QPointF(0, m_frame.name1Y * m_face), Qt::AlignCenter, s.name1);
    }
    if (has(opName2) && !s.name2.isEmpty()) {
        p.setFont(sizedFont(*this, m_face * 0.095));
        p.setPen(faceDim);
        drawTextAt(p, m_frame.pivot + QPointF(0, m_frame.name2Y * m_face), Qt::AlignCenter, s.name2);
    }
    paintReadoutWindow(p, m_readout);
}

void TAbRoundMeter::paintSectors(QPainter &p) const
{
    const qreal r = m_face * (tickOuter - sectorBand / 2);
    const QRectF arcBox(m_frame.pivot - QPointF(r, r), QSizeF(2 * r, 2 * r));
    for (const SectorSpan &sector : sectorSpans()) {
        p.setPen(QPen(sector.color, m_face * sectorBand, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(arcBox, int(std::lround(angleAt(sector.from) * 16)),
                  int(std::lround(-m_sweep * (sector.to - sector.from) * 16)));
    }
}

void TAbRoundMeter::paintTicks(QPainter &p) const
{
    const ScaleSettings &scale = scaleSettings();
    const int steps = std::max(scale.steps, 1);
    const int subSteps = std::max(scale.subSteps, 1);
    const qreal outer = m_face * tickOuter;
    QPen pen(scale.scaleColor, 1, Qt::SolidLine, Qt::FlatCap);
    for (int i = 0; i <= steps * subSteps; ++i) {
        const bool major = i % subSteps == 0;
        const qreal angle = angleAt(double(i) / (steps * subSteps));
        pen.setWidthF(std::max(1.0, m_face * (major ? 0.022 : 0.011)));
        p.setPen(pen);
        p.drawLine(pointAt(angle, outer), pointAt(angle, outer - m_face * (major ? majorTick : minorTick)));
    }

    p.setFont(sizedFont(*this, m_face * 0.15, QFont::DemiBold));
    p.setPen(scale.scaleColor);
    const QStringList labels = scaleLabels();
    for (int i = 0; i < labels.size(); ++i)
        drawTextAt(p, pointAt(angleAt(double(i) / steps), m_face * labelRadius), Qt::AlignCenter, labels[i]);
}

void TAbRoundMeter::paintLimits(QPainter &p) const
{
    const qreal radius = m_face * (tickOuter + 0.01);
    for (double at : limitPositions()) {
        const QPointF tip = pointAt(angleAt(at), radius);
        paintMarker(p, tip, (m_frame.pivot - tip) / radius, m_face * 0.08, limitMark);
    }
}

void TAbRoundMeter::paintIndicator(QPainter &p) const
{
    paintReadout(p);
    paintNeedle(p);
}

void TAbRoundMeter::paintReadout(QPainter &p) const
{
    const QString number = valueText(false);
    const QString unit = has(opUnit) ? signalSettings().valueUnit : QString();
    const QFont numberFont = sizedFont(*this, m_readout.height() * 0.68, QFont::DemiBold);
    const QFont unitFont = sizedFont(*this, m_readout.height() * 0.45);
    const qreal numberWidth = QFontMetricsF(numberFont).horizontalAdvance(number);
    const qreal gap = unit.isEmpty() ? 0 : m_readout.height() * 0.2;
    const qreal unitWidth = unit.isEmpty() ? 0 : QFontMetricsF(unitFont).horizontalAdvance(unit);
    const qreal left = m_readout.center().x() - (numberWidth + gap + unitWidth) / 2;
    const qreal middle = m_readout.center().y();

    p.setFont(numberFont);
    p.setPen(readoutColor());
    drawTextAt(p, QPointF(left, middle), Qt::AlignLeft | Qt::AlignVCenter, number);
    if (!unit.isEmpty()) {
        p.setFont(unitFont);
        p.setPen(m_unitColor);
        drawTextAt(p, QPointF(left + numberWidth + gap, middle), Qt::AlignLeft | Qt::AlignVCenter, unit);
    }
}

void TAbRoundMeter::paintNeedle(QPainter &p) const
{
    const qreal length = m_face * needleLength;
    const qreal tail = m_face * 0.2;
    const qreal half = std::max(1.0, m_face * 0.035);
    const QPointF shape[] = {{length, 0}, {0, half}, {-tail, half * 0.7}, {-tail, -half * 0.7}, {0, -half}};

    p.save();
    p.setPen(Qt::NoPen);
    // Shadow cast down and to the right, as if lit from the top left.
    p.save();
    p.translate(m_frame.pivot + QPointF(m_face * 0.015, m_face * 0.025));
    p.rotate(-angleAt(fraction()));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPolygon(shape, 5);
    p.restore();

    p.translate(m_frame.pivot);
    p.rotate(-angleAt(fraction()));
    p.setBrush(scaleSettings().pointerColor);
    p.drawPolygon(shape, 5);
    p.setPen(QPen(scaleSettings().pointerColor.lighter(150), std::max(0.8, half * 0.35)));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.92, 0));
    p.restore();

    const qreal cap = m_face * 0.09;
    QRadialGradient metal(m_frame.pivot - QPointF(cap * 0.4, cap * 0.4), cap * 1.6);
    metal.setColorAt(0, QColor(0x9a, 0xa1, 0xaa));
    metal.setColorAt(0.5, QColor(0x3c, 0x41, 0x48));
    metal.setColorAt(1, QColor(0x10, 0x12, 0x15));
    p.setPen(QPen(QColor(0, 0, 0, 160), std::max(1.0, cap * 0.12)));
    p.setBrush(metal);
    p.drawEllipse(m_frame.pivot, cap, cap);
}
