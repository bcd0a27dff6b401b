#pragma once

#include "PortIo.h"

#include <memory>

namespace qx {

// The serial port implementation of this platform.
std::unique_ptr<PortIo> makeSystemPortIo();

} // namespace qx
