#pragma once

#include <QVector>

#include <optional>

namespace qx {

// A lambda time in milliseconds from the completed rich (or lean) stretches
// of the probe signal, each in 100 ms ticks: 85 % of their mean. The mean and
// both products are each rounded as an 80-bit real holds them, so halfway
// figures come out the same on every compiler. Nothing from fewer than two
// stretches: one stretch says nothing about the rhythm.
std::optional<int> lambdaTimeFromStretches(const QVector<int> &stretchTicks);

} // namespace qx
