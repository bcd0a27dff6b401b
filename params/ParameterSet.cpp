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

} // namespace qx
