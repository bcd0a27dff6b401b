#pragma once

#include "ParameterCatalogue.h"

#include <QString>

#include <array>

namespace qx {

// The controller's configuration as the texts the Parameters page shows, and
// the temperature-sensor switch that is actually sent.
class ParameterSet
{
public:
    static constexpr int SlotCount = 23;

    ParameterSet() { setAllZero(); }

    // Every value "0", as at start-up.
    void setAllZero();

    const QString &text(Param p) const { return slots_[p.slot][p.part]; }
    void setText(Param p, const QString &text) { slots_[p.slot][p.part] = text; }

    // The temperature-sensor switch sent to the controller: set by the read,
    // by the page's sensor box and by the adaptation's.
    quint8 TempSensorOn = 0;

private:
    std::array<std::array<QString, 3>, SlotCount> slots_;
};

// A tick's value as text: "1" ticked, "0" not.
QString flagText(bool on);

} // namespace qx
