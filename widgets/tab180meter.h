#pragma once

#include "tabroundmeter.h"

// Round meter whose scale runs over the upper half circle, left to right, in a
// case with a flat foot that holds the readout.
class TAb180Meter : public TAbRoundMeter
{
    Q_OBJECT
public:
    explicit TAb180Meter(QWidget *parent = nullptr);

protected:
    Frame frame(QSizeF size) const override;
    QPainterPath outline(qreal inset) const override;
};
