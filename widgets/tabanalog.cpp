#include "tabanalog.h"

#include "paintkit.h"
#include "valueformat.h"

#include <QEvent>
#include <QPainter>

TAbAnalog::TAbAnalog(QWidget *parent)
    : QWidget(parent)
{
    m_mapping.setRange(m_signal.digitalFrom, m_signal.digitalTo, m_signal.valueFrom, m_signal.valueTo);
}

void TAbAnalog::setDigit(int digit)
{
    if (digit == m_digit)
        return;
    m_digit = digit;
    m_value = m_mapping.valueOf(digit);
    valueWritten();
}

void TAbAnalog::setValue(float value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_digit = m_mapping.digitOf(value);
    valueWritten();
}

void TAbAnalog::valueWritten()
{
    m_minMax.record(m_value, m_mapping.digitPosition(m_digit));
    emit valueChanged();
    update();
}

void TAbAnalog::setSignalSettings(const SignalSettings &settings)
{
    m_signal = settings;
    m_mapping.setRange(settings.digitalFrom, settings.digitalTo, settings.valueFrom, settings.valueTo);
    // The number keeps its meaning; what it shows follows the new range.
    const float value = m_mapping.valueOf(m_digit);
    const bool changed = value != m_value;
    m_value = value;
    invalidateFace();
    if (changed)
        emit valueChanged();
}

void TAbAnalog::setScaleSettings(const ScaleSettings &settings)
{
    m_scale = settings;
    invalidateFace();
}

void TAbAnalog::setSectorSettings(const SectorSettings &settings)
{
    m_sectors = settings;
    invalidateFace();
}

void TAbAnalog::setLimitLower(float limit)
{
    m_limitLower = limit;
    invalidateFace();
}

void TAbAnalog::setLimitUpper(float limit)
{
    m_limitUpper = limit;
    invalidateFace();
}

void TAbAnalog::setOptions(Options options)
{
    m_options = options;
    invalidateFace();
}

void TAbAnalog::restartMinMax()
{
    m_minMax.restart(m_value, m_mapping.digitPosition(m_digit));
}

void TAbAnalog::setMinMaxMarks(const MinMaxMarks &marks)
{
    m_marks = marks;
    update();
}

void TAbAnalog::invalidateFace()
{
    m_face.invalidate();
    update();
}

void TAbAnalog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_face.face(*this, [this](QPainter &face) {
        arrange(size());
        paintFace(face);
    }));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintIndicator(p);
}

void TAbAnalog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        invalidateFace();
    QWidget::changeEvent(event);
}

bool TAbAnalog::overflowShown() const
{
    return has(opOverflow) && (m_value < m_signal.valueFrom || m_value > m_signal.valueTo);
}

std::vector<TAbAnalog::SectorSpan> TAbAnalog::sectorSpans() const
{
    std::vector<SectorSpan> spans;
    if (!has(opSector))
        return spans;
    for (const Sector &s : m_sectors.sectors) {
        if (s.color.isValid() && s.from <= s.to)
            spans.push_back({std::clamp(s.from, 0, 1000) / 1000.0, std::clamp(s.to, 0, 1000) / 1000.0, s.color});
    }
    return spans;
}

std::vector<double> TAbAnalog::limitPositions() const
{
    std::vector<double> positions;
    if (!has(opLimit))
        return positions;
    for (float limit : {m_limitLower, m_limitUpper}) {
        if (limit >= m_signal.valueFrom && limit <= m_signal.valueTo)
            positions.push_back(m_mapping.valueFraction(limit));
    }
    return positions;
}

QRectF TAbAnalog::arrangeCase(QSizeF size, qreal rimShare, qreal cornerShare)
{
    m_case = PaintKit::Case(size, rimShare, cornerShare, has(opBevelOuter), has(opBevelInner));
    return m_case.face();
}

void TAbAnalog::paintCase(QPainter &p) const
{
    m_case.paint(p);
}

PaintKit::LinearScale TAbAnalog::straightScale(QPointF start, QPointF end, QPointF tickDirection, qreal majorLength,
                                               qreal fontPixels) const
{
    PaintKit::LinearScale s;
    s.start = start;
    s.end = end;
    s.tickDirection = tickDirection;
    s.majorLength = majorLength;
    s.minorLength = majorLength / 2;
    s.lineWidth = std::max(1.0, majorLength / 5);
    s.steps = std::max(m_scale.steps, 1);
    s.subSteps = std::max(m_scale.subSteps, 1);
    s.labels = scaleLabels();
    s.labelGap = majorLength / 3;
    s.font = PaintKit::sizedFont(*this, fontPixels);
    s.color = m_scale.scaleColor;
    return s;
}

QString TAbAnalog::valueText(bool withUnit) const
{
    QString text = formatValue(m_value, m_signal.valueFormat);
    if (withUnit && !m_signal.valueUnit.isEmpty())
        text += QLatin1Char(' ') + m_signal.valueUnit;
    return text;
}

QStringList TAbAnalog::scaleLabels() const
{
    QStringList labels;
    const int steps = std::max(m_scale.steps, 1);
    const double span = double(m_signal.valueTo) - m_signal.valueFrom;
    for (int i = 0; i <= steps; ++i)
        labels << formatValue(m_signal.valueFrom + span * i / steps, m_scale.valueFormat);
    return labels;
}

QColor TAbAnalog::readoutColor() const
{
    return overflowShown() ? PaintKit::warning : PaintKit::readoutText;
}
