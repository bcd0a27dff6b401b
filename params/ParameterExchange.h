#pragma once

#include "ParameterBlock.h"

#include <optional>

namespace qx {

class ControllerProtocol;
class ParameterSet;

// The parameter read and write as exchanges with the controller. Both expect
// the port closed and leave it closed.
class ParameterExchange
{
public:
    static constexpr int BlockWaitMs = 300;

    ParameterExchange(ControllerProtocol &protocol, ParameterSet &parameters);

    // Reads the analog threshold and the parameter block. The facts are
    // returned when the block was decoded; a block that did not arrive, or
    // one the controller has not filled, leaves the parameters as they were.
    std::optional<BlockFacts> ReadParameters();
    // Writes the whole set in one configuration block; the values only the
    // controller gives are left out until a read has brought them. True when
    // the port opened and took every byte; the bytes go out either way.
    bool WriteAllParameters(bool controllerOnlyValuesKnown = true);
    // The analog threshold alone, in a block of its own.
    void SaveAnalogThreshold();

private:
    ControllerProtocol &protocol_;
    ParameterSet &parameters_;
};

} // namespace qx
