#pragma once

#include "analogsettings.h"
#include "facecache.h"
#include "minmaxrecord.h"
#include "paintkit.h"
#include "sectors.h"
#include "valuemapping.h"

#include <QWidget>

#include <vector>

// Common ground of the analog instruments (round meters, bars, thermometer,
// tank): the raw number a page writes, the value it maps to, the scale with
// its sectors and limits, and the record of extremes. Subclasses only lay out
// and draw; the static face is cached and only the moving part is redrawn.
class TAbAnalog : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Digit READ digit WRITE setDigit NOTIFY valueChanged)
    Q_PROPERTY(float Value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(float LimitLower READ limitLower WRITE setLimitLower)
    Q_PROPERTY(float LimitUpper READ limitUpper WRITE setLimitUpper)
    Q_PROPERTY(Options Options READ options WRITE setOptions)

public:
    enum Option {
        opBevelInner = 0x01,
        opBevelOuter = 0x02,
        opName1 = 0x04,
        opName2 = 0x08,
        opOverflow = 0x10, // a value off the scale turns the readout red
        opLimit = 0x20,    // marks at LimitLower and LimitUpper
        opSector = 0x40,
        opUnit = 0x80,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    int digit() const { return m_digit; }
    void setDigit(int digit);
    float value() const { return m_value; }
    void setValue(float value);

    const SignalSettings &signalSettings() const { return m_signal; }
    void setSignalSettings(const SignalSettings &settings);
    const ScaleSettings &scaleSettings() const { return m_scale; }
    void setScaleSettings(const ScaleSettings &settings);
    const SectorSettings &sectorSettings() const { return m_sectors; }
    void setSectorSettings(const SectorSettings &settings);

    float limitLower() const { return m_limitLower; }
    void setLimitLower(float limit);
    float limitUpper() const { return m_limitUpper; }
    void setLimitUpper(float limit);
    Options options() const { return m_options; }
    void setOptions(Options options);

    const MinMaxRecord &minMax() const { return m_minMax; }
    // Both extremes become the value now shown.
    void restartMinMax();
    void clearMinMax() { m_minMax.clear(); }
    const MinMaxMarks &minMaxMarks() const { return m_marks; }
    void setMinMaxMarks(const MinMaxMarks &marks);

signals:
    void valueChanged();

protected:
    explicit TAbAnalog(QWidget *parent);

    // Called with the widget's size before the face is drawn anew.
    virtual void arrange(QSizeF size) = 0;
    virtual void paintFace(QPainter &p) const = 0;
    // The moving part (needle, column, fill, readout), drawn over the face.
    virtual void paintIndicator(QPainter &p) const = 0;

    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

    // A setting changed: draw the face anew.
    void invalidateFace();

    const ValueMapping &mapping() const { return m_mapping; }
    // Where the value stands, 0..1 of the scale, for drawing.
    double fraction() const { return m_mapping.valueFraction(m_value); }
    bool overflowShown() const;
    bool has(Option option) const { return m_options.testFlag(option); }

    // The pieces of the scale that are drawn, as shares (0..1) of its length.
    struct SectorSpan
    {
        double from;
        double to;
        QColor color;
    };
    std::vector<SectorSpan> sectorSpans() const; // none without opSector
    std::vector<double> limitPositions() const;  // none without opLimit; off-scale limits left out
    // A rounded case filling the widget, its rim and corners sized as shares
    // of the shorter side; returns the face inside the rim.
    QRectF arrangeCase(QSizeF size, qreal rimShare, qreal cornerShare);
    void paintCase(QPainter &p) const;

    // Ticks and numbers of a straight scale, in the scale's colour.
    PaintKit::LinearScale straightScale(QPointF start, QPointF end, QPointF tickDirection, qreal majorLength,
                                        qreal fontPixels) const;

    QString valueText(bool withUnit) const;
    QStringList scaleLabels() const;
    QColor readoutColor() const;

private:
    void valueWritten();

    ValueMapping m_mapping;
    SignalSettings m_signal;
    ScaleSettings m_scale;
    SectorSettings m_sectors;
    MinMaxRecord m_minMax;
    MinMaxMarks m_marks;
    FaceCache m_face;
    PaintKit::Case m_case;
    Options m_options = Options(opBevelInner | opBevelOuter | opName1 | opName2 | opOverflow | opSector | opUnit);
    int m_digit = 0;
    float m_value = 0;
    float m_limitLower = 0;
    float m_limitUpper = 0;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TAbAnalog::Options)
