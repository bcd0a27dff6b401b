#include "ParameterSet.h"

namespace qx {

void ParameterSet::setAllZero()
{
    for (auto &slot : slots_)
        slot.fill(QStringLiteral("0"));
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool shownTicked(const ParameterSet &set, Param tick)
{
    if (tick == P::TempSensorBox)
        return set.TempSensorOn != 0;
    if (tick == P::MaxGasRpmOff)
        return set.text(tick) == QLatin1String("1");
    return set.text(tick) != QLatin1String("0");
}

} // namespace qx
