#include "tscope.h"

#include "paintkit.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

// Redraw rate of a running chart: 25 frames a second move a strip chart
// smoothly enough, at far less painting than a display's 60.
static constexpr int frameMilliseconds = 40;

TScope::TScope(QWidget *parent)
    : QWidget(parent)
{
    m_channels[ChannelA] = {true, 0, QColor(0xff, 0x00, 0x00)};
    m_channels[ChannelB] = {false, 0, QColor(0xff, 0x00, 0xff)};
    m_channels[ChannelC] = {false, 0, QColor(0xff, 0x80, 0x00)};
    m_channels[ChannelD] = {false, 0, QColor(0x00, 0xff, 0xff)};
    // The chart paints every pixel of its box, its rounded corners in its
    // parent's colour, so a frame repaints nothing behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setInterval(frameMilliseconds);
    connect(&m_frameTimer, &QTimer::timeout, this, &TScope::frame);
    fitHistory();
}

void TScope::setChannelEnabled(Channel channel, bool enabled)
{
    if (m_channels[channel].enabled == enabled)
        return;
    m_channels[channel].enabled = enabled;
    update();
}

void TScope::setLineColor(Channel channel, const QColor &color)
{
    if (color == m_channels[channel].color)
        return;
    m_channels[channel].color = color;
    update();
}

void TScope::setInterval(int milliseconds)
{
    m_interval = std::max(1, milliseconds);
    restartClock();
}

void TScope::setGridSize(int pixels)
{
    m_gridSize = std::max(4, pixels);
    fitHistory();
    m_screen.invalidate();
    update();
}

void TScope::setActive(bool active)
{
    m_active = active;
    restartClock();
}

void TScope::setGridColor(const QColor &color)
{
    m_gridColor = color;
    m_screen.invalidate();
    update();
}

void TScope::setBackgroundColor(const QColor &color)
{
    m_background = color;
    m_screen.invalidate();
    update();
}

void TScope::showEvent(QShowEvent *event)
{
    restartClock();
    QWidget::showEvent(event);
}

void TScope::hideEvent(QHideEvent *event)
{
    m_frameTimer.stop();
    QWidget::hideEvent(event);
}

void TScope::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_screen.invalidate();
    QWidget::changeEvent(event);
}

void TScope::resizeEvent(QResizeEvent *event)
{
    fitHistory();
    QWidget::resizeEvent(event);
}

void TScope::restartClock()
{
    // After a pause the chart goes on from now rather than filling the gap.
    m_clock.start();
    m_taken = 0;
    m_phase = 0;
    if (m_active && isVisible())
        m_frameTimer.start();
    else
        m_frameTimer.stop();
}

void TScope::fitHistory()
{
    // Enough samples to cross the width, keeping the newest ones.
    const int needed = int(std::ceil(width() / pixelsPerSample())) + 2;
    std::vector<Sample> history(size_t(needed), Sample{});
    const int keep = std::min(m_filled, needed);
    for (int age = 0; age < keep; ++age)
        history[size_t(keep - 1 - age)] = sampleAt(age);
    m_history = std::move(history);
    m_filled = keep;
    m_next = keep % needed;
}

const TScope::Sample &TScope::sampleAt(int age) const
{
    const int size = int(m_history.size());
    return m_history[size_t(((m_next - 1 - age) % size + size) % size)];
}

void TScope::frame()
{
    const qint64 elapsed = m_clock.elapsed();
    const qint64 due = elapsed / m_interval;
    Sample now;
    for (int c = 0; c < channelCount; ++c)
        now[size_t(c)] = m_channels[size_t(c)].position;
    // After a long stall only the samples that still fit the width matter.
    const int size = int(m_history.size());
    for (qint64 n = std::max(m_taken, due - size); n < due; ++n) {
        m_history[size_t(m_next)] = now;
        m_next = (m_next + 1) % size;
        m_filled = std::min(m_filled + 1, size);
    }
    m_taken = due;
    m_phase = double(elapsed % m_interval) / m_interval;
    update();
}

void TScope::arrange()
{
    m_case = PaintKit::Case(size(), 0.025, 0.04);
    m_area = m_case.face();
}

void TScope::paintScreen(QPainter &p) const
{
    const QRectF &area = m_area;
    p.fillRect(rect(), palette().color(QPalette::Window));
    m_case.paint(p);
    p.fillRect(area, m_background);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(m_gridColor, 0));
    for (qreal x = area.left() + m_gridSize; x < area.right(); x += m_gridSize)
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    for (qreal y = area.bottom() - m_gridSize; y > area.top(); y -= m_gridSize)
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void TScope::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_screen.face(*this, [this](QPainter &screen) {
        arrange();
        paintScreen(screen);
    }));

    const QRectF &area = m_area;
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal step = pixelsPerSample();
    const qreal newestX = area.right() - m_phase * step;
    auto yOf = [&](int percent) { return area.bottom() - area.height() * std::clamp(percent, 0, 100) / 100.0; };
    // A wide pen is stroked as a polygon, tens of times slower than a one-pixel
    // line: a bigger chart gets its heavier trace from overlaid thin lines.
    const int passes = std::max(1, int(std::lround(height() / 200.0)));

    for (int c = 0; c < channelCount; ++c) {
        const ChannelState &channel = m_channels[size_t(c)];
        if (!channel.enabled || m_filled == 0)
            continue;
        // Only the corners of the trace: where the level changes, a run of
        // equal samples ends and the next one begins.
        QPolygonF line;
        int level = sampleAt(0)[size_t(c)];
        line << QPointF(newestX, yOf(level));
        qreal x = newestX;
        for (int age = 1; age < m_filled && x >= area.left(); ++age) {
            const qreal olderX = newestX - age * step;
            const int older = sampleAt(age)[size_t(c)];
            if (older != level) {
                line << QPointF(x, yOf(level)) << QPointF(olderX, yOf(older));
                level = older;
            }
            x = olderX;
        }
        line << QPointF(x, yOf(level));
        p.setPen(QPen(channel.color, 1));
        for (int pass = 0; pass < passes; ++pass)
            p.drawPolyline(line.translated(pass * 0.6, pass * 0.6));
    }
}
