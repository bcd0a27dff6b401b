#pragma once

#include "tabbar.h"

// Horizontal bar in a recessed trough, with its scale below and the value
// beside it. Draws the marks of the recorded extremes when they are switched
// on. It has no room for captions: the pages label their bars themselves.
class TAbHBar : public TAbBar
{
    Q_OBJECT
public:
    explicit TAbHBar(QWidget *parent = nullptr);

private:
    void arrange(QSizeF size) override;
    void paintFace(QPainter &p) const override;
    void paintIndicator(QPainter &p) const override;

    qreal xAt(double fraction) const;
    QString widestText() const;

    QRectF m_trough;
    QRectF m_text;
    qreal m_unit = 0; // height of the face: every length is a share of it
};
