#pragma once

#include "tabanalog.h"

#include <QPainterPath>

// A round meter: a needle turning over a circular scale. The 270° and 180°
// meters differ only in the shape of their case and where things sit on it.
// The caption on the face is drawn in the palette's text colour, light on the
// dark face until someone changes it; the unit after the reading and the
// scale numbers have colours of their own.
class TAbRoundMeter : public TAbAnalog
{
    Q_OBJECT
    Q_PROPERTY(QColor UnitColor READ unitColor WRITE setUnitColor)
    Q_PROPERTY(QColor ScaleColor READ scaleColor WRITE setScaleColor)

public:
    QColor unitColor() const { return m_unitColor; }
    void setUnitColor(const QColor &color);
    QColor scaleColor() const { return scaleSettings().scaleColor; }
    void setScaleColor(const QColor &color);

protected:
    // Where the scale starts (degrees, counter-clockwise from three o'clock)
    // and how far it runs clockwise.
    TAbRoundMeter(QWidget *parent, qreal startAngle, qreal sweep);

    // How the case sits in the widget.
    struct Frame
    {
        QPointF pivot;
        qreal radius = 0;   // of the case, rim included
        qreal name1Y = 0;   // heights of the captions and the readout
        qreal name2Y = 0;   // below the pivot, in face radii
        qreal readoutY = 0;
    };
    virtual Frame frame(QSizeF size) const = 0;
    // The case's outline shrunk by an inset.
    virtual QPainterPath outline(qreal inset) const = 0;

    const Frame &placed() const { return m_frame; }

    void changeEvent(QEvent *event) override;

private:
    void arrange(QSizeF size) override;
    void paintFace(QPainter &p) const override;
    void paintIndicator(QPainter &p) const override;

    void paintSectors(QPainter &p) const;
    void paintTicks(QPainter &p) const;
    void paintLimits(QPainter &p) const;
    void paintNeedle(QPainter &p) const;
    void paintReadout(QPainter &p) const;

    qreal angleAt(double fraction) const { return m_start - m_sweep * fraction; }
    QPointF pointAt(qreal angle, qreal radius) const;

    const qreal m_start;
    const qreal m_sweep;
    Frame m_frame;
    qreal m_rim = 0;
    qreal m_face = 0; // radius of the face inside the rim
    QColor m_unitColor = PaintKit::faceDim;
    QRectF m_readout;
};
