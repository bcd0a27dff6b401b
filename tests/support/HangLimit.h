#pragma once

// Tests check that no wait is shorter than prescribed; from above they only
// catch a hang. A wait this far past its nominal length is no busy machine,
// and how late exchanges really run is what bench_wire_timing prints.
constexpr double HangLimitMs = 5000.0;
