#pragma once

#include "ParameterBlock.h"
#include "BuiltInTexts.h"

#include <functional>
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

    // The boxes of a refused value take their texts from texts.
    ParameterExchange(ControllerProtocol &protocol, ParameterSet &parameters,
                      std::function<QString(TextKey)> texts = builtInText);

    // Reads the analog threshold and the parameter block. The facts are
    // returned when the block was decoded; a block that did not arrive whole,
    // or one the controller has not filled, leaves the parameters as they were.
    std::optional<BlockFacts> ReadParameters();

    enum class WriteOutcome { Delivered, Undelivered, Refused };
    // Writes the whole set in one configuration block; the switch temperature
    // and the threshold only when known. When a check fails its message is
    // shown and nothing is sent (Refused): a set never goes out in part.
    // Undelivered: a port did not open or did not take every byte.
    WriteOutcome WriteAllParameters();
    // The analog threshold alone, in a block of its own.
    void SaveAnalogThreshold();

private:
    ControllerProtocol &protocol_;
    ParameterSet &parameters_;
    std::function<QString(TextKey)> texts_;
};

} // namespace qx
