#pragma once

namespace qx {

// Blocks the calling thread for the given time. The controller exchanges are
// synchronous by design: the waits are part of the protocol, never shortened.
void pauseMs(int milliseconds);

} // namespace qx
