#pragma once

#include <QtGlobal>

#include <initializer_list>
#include <optional>

namespace qx {

// The values the program sends a car on its own: the ignition type (31),
// the analog threshold, the flag byte (11, always whole), the switch
// temperature and the Parameters page as a whole.
enum class Sendable : quint8 { IgnitionType, AnalogThreshold, Flags, SwitchTemperature, ParameterPage };

// Which of them the program actually knows: read from the controller now
// connected, or chosen, typed, loaded from a file or reset by the fitter.
// A value it does not know is never sent; a new identification forgets all.
class KnownValues
{
public:
    bool knows(Sendable value) const { return bits_ & bit(value); }
    void learn(Sendable value) { bits_ |= bit(value); }
    void forget(Sendable value) { bits_ &= quint8(~bit(value)); }
    void forgetAll() { bits_ = 0; }

    // The first of the values a write needs that is not known, if any.
    std::optional<Sendable> firstUnknown(std::initializer_list<Sendable> needed) const
    {
        for (Sendable value : needed) {
            if (!knows(value))
                return value;
        }
        return std::nullopt;
    }

private:
    static quint8 bit(Sendable value) { return quint8(1u << unsigned(value)); }

    quint8 bits_ = 0;
};

} // namespace qx
