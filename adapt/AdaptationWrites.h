#pragma once

#include "ParameterWrite.h"

#include <optional>

namespace qx {

struct AdaptationState;
struct VehicleChoices;

// Command 30's probe range for the rich level the calibration found: a rich
// level up to 60 is a 0-1 V probe, 61 to 83 a 0.8-1.6 V one, above 128 a
// 0-5 V one; between 84 and 128 the probe is left as it is set.
std::optional<int> probeRangeCode(int probeRich);

// The two lambda times in controller ticks for command 6: the rich time and
// the sum of both. Times the controller cannot hold (above 4000 ms) fall back
// to 700 ms and 1400 ms.
struct LambdaTickPair
{
    int rich = 0;
    int sum = 0;
};
LambdaTickPair adaptationLambdaTicks(int timeRichMs, int timeLeanMs);

// The set the adaptation runs on while it measures (steps 6 and 8). The port
// is reopened before and after; the commands go back to back, each byte with
// only the channel's own pause, and nothing is read back. The flag byte in
// context is changed bit by bit and sent after each change.
void writeAdaptationSet(const AdaptationState &state, const VehicleChoices &vehicle, const WriteContext &context,
                        WriteTarget &target);

// What the adaptation leaves in the controller at its end: TPS threshold,
// stepper limits and start, lambda times, stepper opening and the
// temperature-sensor switch (forced off on version 3, hence by reference).
void writeFinalAdaptation(const AdaptationState &state, const VehicleChoices &vehicle, quint8 &tempSensorOn,
                          const WriteContext &context, WriteTarget &target);

} // namespace qx
