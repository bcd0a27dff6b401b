#pragma once

#include <QtGlobal>

#include <functional>

namespace qx {

// Blocks the calling thread for the given time. The controller exchanges are
// synchronous by design: the waits are part of the protocol, never shortened.
void pauseMs(int milliseconds);

// Milliseconds on a steady clock, for times that must agree with the pauses:
// the program's pauses move a test's clock, the real one moves by itself.
qint64 clockMs();

// Replaces the real sleep, so unit tests can run the exchange rules in
// milliseconds and note every wait; an empty function restores the sleep.
void setPauseFunction(std::function<void(int milliseconds)> pause);
// Replaces the steady clock likewise; an empty function restores it.
void setClockFunction(std::function<qint64()> clock);

} // namespace qx
