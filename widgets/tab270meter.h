#pragma once

#include "tabroundmeter.h"

// Round meter whose scale runs 270° clockwise from the lower left.
class TAb270Meter : public TAbRoundMeter
{
    Q_OBJECT
public:
    explicit TAb270Meter(QWidget *parent = nullptr);

protected:
    Frame frame(QSizeF size) const override;
    QPainterPath outline(qreal inset) const override;
};
