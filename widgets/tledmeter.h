#pragma once

#include "facecache.h"
#include "ledsegments.h"
#include "paintkit.h"

#include <QWidget>

#include <vector>

// Segmented LED bar. Which segments are lit and in which colour zone each
// lies is worked out by ledSegments(); this widget draws them and repaints
// only when that picture changes.
class TLEDMeter : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int NumDigits READ numDigits WRITE setNumDigits)
    Q_PROPERTY(bool SingleLED READ singleLed WRITE setSingleLed)
    Q_PROPERTY(int StartColor2 READ startColor2 WRITE setStartColor2)
    Q_PROPERTY(int StartColor3 READ startColor3 WRITE setStartColor3)
    Q_PROPERTY(QColor ColorLED1 READ colorLed1 WRITE setColorLed1)
    Q_PROPERTY(QColor ColorLED2 READ colorLed2 WRITE setColorLed2)
    Q_PROPERTY(QColor ColorLED3 READ colorLed3 WRITE setColorLed3)
    Q_PROPERTY(QColor ColorSeperator READ colorSeparator WRITE setColorSeparator)
    Q_PROPERTY(Direction Direction READ direction WRITE setDirection)

public:
    enum Direction { mdRight, mdUp };
    Q_ENUM(Direction)

    explicit TLEDMeter(QWidget *parent = nullptr);

    int min() const { return m_range.min; }
    void setMin(int min) { change(&LedMeterRange::min, min); }
    int max() const { return m_range.max; }
    void setMax(int max) { change(&LedMeterRange::max, max); }
    int position() const { return m_range.position; }
    void setPosition(int position) { change(&LedMeterRange::position, position); }
    int numDigits() const { return m_range.numDigits; }
    void setNumDigits(int count) { change(&LedMeterRange::numDigits, count); }
    bool singleLed() const { return m_range.singleLed; }
    void setSingleLed(bool single) { change(&LedMeterRange::singleLed, single); }
    int startColor2() const { return m_range.startColor2; }
    void setStartColor2(int start) { change(&LedMeterRange::startColor2, start); }
    int startColor3() const { return m_range.startColor3; }
    void setStartColor3(int start) { change(&LedMeterRange::startColor3, start); }

    QColor colorLed1() const { return m_colors[0]; }
    void setColorLed1(const QColor &color) { setZoneColor(0, color); }
    QColor colorLed2() const { return m_colors[1]; }
    void setColorLed2(const QColor &color) { setZoneColor(1, color); }
    QColor colorLed3() const { return m_colors[2]; }
    void setColorLed3(const QColor &color) { setZoneColor(2, color); }
    QColor colorSeparator() const { return m_separator; }
    void setColorSeparator(const QColor &color);
    Direction direction() const { return m_direction; }
    void setDirection(Direction direction);

    const std::vector<LedSegment> &segments() const { return m_segments; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename T>
    void change(T LedMeterRange::*field, T value)
    {
        LedMeterRange range = m_range;
        range.*field = value;
        setRange(range);
    }
    void setRange(const LedMeterRange &range);
    void setZoneColor(int zone, const QColor &color);
    // Sizes the case to the widget; runs whenever the housing is drawn anew.
    void arrange();
    QRectF segmentBox(int index) const;
    void paintSegment(QPainter &p, int index, bool lit) const;

    LedMeterRange m_range;
    std::vector<LedSegment> m_segments;
    QColor m_colors[3] = {QColor(0x22, 0xdd, 0x44), QColor(0xff, 0xc4, 0x00), QColor(0xff, 0x30, 0x20)};
    QColor m_separator = QColor(0x0a, 0x0b, 0x0d);
    Direction m_direction = mdRight;
    PaintKit::Case m_case;
    QRectF m_panel; // where the segments sit, in the separator colour
    FaceCache m_housing; // the case, the panel and every segment dark
    std::vector<int> m_housingZones; // the segments' zones the housing was drawn with
};
