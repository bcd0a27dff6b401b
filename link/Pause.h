#pragma once

#include <functional>

namespace qx {

// Blocks the calling thread for the given time. The controller exchanges are
// synchronous by design: the waits are part of the protocol, never shortened.
void pauseMs(int milliseconds);

// Replaces the real sleep, so unit tests can run the exchange rules in
// milliseconds and note every wait; an empty function restores the sleep.
void setPauseFunction(std::function<void(int milliseconds)> pause);

} // namespace qx
