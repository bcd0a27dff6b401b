#pragma once

#include <optional>

namespace qx {

// RPM from the averaged speed period: round(constant / period × 800), and
// anything below 300 counts as a standing engine. Nothing when either the
// constant or the period is zero.
std::optional<int> rpmFromPeriod(int rpmConstant, int averagedPeriod);
// The speed as the panels show it: rounded to 50 RPM.
int rpmShown(int rpm);

class LiveAverage;
struct LiveSample;
// The engine speed of a live sample: its period through the shared average,
// then converted; nothing when there is no speed to compute.
std::optional<int> liveRpm(const LiveSample &sample, LiveAverage &average, int rpmConstant);

} // namespace qx
