#pragma once

#include "tabanalog.h"

// Upright cylindrical tank filled to the value, with its scale beside it, the
// number in a readout above and the unit below.
class TAbTank : public TAbAnalog
{
    Q_OBJECT
public:
    explicit TAbTank(QWidget *parent = nullptr);

private:
    void arrange(QSizeF size) override;
    void paintFace(QPainter &p) const override;
    void paintIndicator(QPainter &p) const override;

    qreal levelAt(double fraction) const;

    QRectF m_inner;
    QRectF m_body;      // the cylinder from the middle of its top to the middle of its bottom
    QRectF m_readout;
    qreal m_ellipse = 0; // height of the cylinder's end ellipses
};
