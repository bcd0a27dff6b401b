#pragma once

#include "tabbar.h"

// Glass thermometer: a column rising from a bulb beside its scale, the unit
// above. The pages show the number and the captions beside it.
class TAbThermometer : public TAbBar
{
    Q_OBJECT
public:
    explicit TAbThermometer(QWidget *parent = nullptr);

private:
    void arrange(QSizeF size) override;
    void paintFace(QPainter &p) const override;
    void paintIndicator(QPainter &p) const override;

    qreal yAt(double fraction) const;

    QRectF m_inner;
    QRectF m_tube;
    QPointF m_bulb;
    qreal m_bulbRadius = 0;
    qreal m_scaleBottom = 0;
    qreal m_scaleTop = 0;
};
