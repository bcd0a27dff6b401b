#pragma once

#include "facecache.h"
#include "paintkit.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

// Four-trace strip chart. Every Interval milliseconds it takes each channel's
// current level (per cent of the height); the traces scroll right to left,
// one grid division holding 100 samples, so the time per division is
// 100 × Interval ms. Samples are taken by the clock, not by timer events, so
// a busy user-interface thread makes no gaps or jumps in the time axis.
class TScope : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(int Gridsize READ gridSize WRITE setGridSize)
    Q_PROPERTY(bool Active READ isActive WRITE setActive)
    Q_PROPERTY(QColor GridColor READ gridColor WRITE setGridColor)
    Q_PROPERTY(QColor BackgroundColor READ backgroundColor WRITE setBackgroundColor)
    // Channel d's line by name, so a skin can reach it like any other colour.
    Q_PROPERTY(QColor Linecolor_d READ lineColorD WRITE setLineColorD)

public:
    enum Channel { ChannelA, ChannelB, ChannelC, ChannelD };
    static constexpr int channelCount = 4;

    explicit TScope(QWidget *parent = nullptr);

    bool isChannelEnabled(Channel channel) const { return m_channels[channel].enabled; }
    void setChannelEnabled(Channel channel, bool enabled);
    int position(Channel channel) const { return m_channels[channel].position; }
    void setPosition(Channel channel, int percent) { m_channels[channel].position = percent; }
    QColor lineColor(Channel channel) const { return m_channels[channel].color; }
    void setLineColor(Channel channel, const QColor &color);
    QColor lineColorD() const { return lineColor(ChannelD); }
    void setLineColorD(const QColor &color) { setLineColor(ChannelD, color); }

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    int gridSize() const { return m_gridSize; }
    void setGridSize(int pixels);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    QColor gridColor() const { return m_gridColor; }
    void setGridColor(const QColor &color);
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    using Sample = std::array<int, channelCount>;

    void frame();
    void restartClock();
    void fitHistory();
    void paintScreen(QPainter &p) const;
    const Sample &sampleAt(int age) const;
    qreal pixelsPerSample() const { return m_gridSize / 100.0; }
    // Sizes the case to the widget; runs whenever the screen is drawn anew.
    void arrange();

    struct ChannelState
    {
        bool enabled = false;
        int position = 0;
        QColor color;
    };
    std::array<ChannelState, channelCount> m_channels;

    std::vector<Sample> m_history; // ring buffer, newest at m_next - 1
    int m_next = 0;
    int m_filled = 0;
    qint64 m_taken = 0;            // samples taken since the clock started
    double m_phase = 0;            // how far into the next sample interval, 0..1

    QTimer m_frameTimer;
    QElapsedTimer m_clock;
    PaintKit::Case m_case;
    QRectF m_area; // inside the frame
    FaceCache m_screen;
    QColor m_gridColor = QColor(0xc0, 0xc0, 0xc0);
    QColor m_background = QColor(0xff, 0xff, 0xca);
    int m_interval = 10;
    int m_gridSize = 54;
    bool m_active = true;
};
