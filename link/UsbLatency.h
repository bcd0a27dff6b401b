#pragma once

#include <QString>

namespace qx {

// FTDI adapters hold received bytes for up to 16 ms before passing them on,
// which would eat most of a 20 ms reply wait. Where the driver offers it,
// ask for 1 ms; a port without that setting is left as it is.
void lowerUsbLatency(const QString &device);

} // namespace qx
