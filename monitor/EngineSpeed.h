#pragma once

#include <optional>

namespace qx {

// RPM from the averaged speed period: round(constant / period × 800), and
// anything below 300 counts as a standing engine. Nothing when either the
// constant or the period is zero.
std::optional<int> rpmFromPeriod(int rpmConstant, int averagedPeriod);
// The speed as the panels show it: rounded to 50 RPM.
int rpmShown(int rpm);
// The 16-bit speed period of a live frame, bytes 4 (low) and 5 (high).
int speedPeriod(int lowByte, int highByte);

class LiveAverage;
class ReplyBuffer;
// The engine speed of a decoded live frame: its period through the shared
// average, then converted; nothing when there is no speed to compute.
std::optional<int> liveRpm(const ReplyBuffer &frame, LiveAverage &average, int rpmConstant);

} // namespace qx
