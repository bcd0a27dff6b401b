#include "ResetValues.h"

namespace qx {

const QList<QPair<Param, QString>> &resetValues()
{
    static const QList<QPair<Param, QString>> values = [] {
        QList<QPair<Param, QString>> reset;
        for (const ParameterEntry &entry : parameterCatalogue())
            reset.append({entry.param, QString::fromLatin1(entry.resetValue)});
        return reset;
    }();
    return values;
}

ParameterSet resetParameterSet()
{
    ParameterSet set;
    for (const auto &[param, text] : resetValues())
        set.setText(param, text);
    set.TempSensorOn = 0;
    return set;
}

} // namespace qx
