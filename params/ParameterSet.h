#pragma once

#include <QString>

#include <array>

namespace qx {

// The controller's configuration as the texts the Parameters page shows:
// 23 slots, each with a main value; slots 7, 10 and 21 have a second value
// and slot 12 a second and a third.
class ParameterSet
{
public:
    static constexpr int SlotCount = 23;

    ParameterSet() { setAllZero(); }

    // Every value "0", as at start-up.
    void setAllZero();

    const QString &value(int slot, int part = 0) const { return slots_[slot][part]; }
    void setValue(int slot, const QString &text, int part = 0) { slots_[slot][part] = text; }

private:
    std::array<std::array<QString, 3>, SlotCount> slots_;
};

} // namespace qx
