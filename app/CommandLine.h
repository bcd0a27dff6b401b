#pragma once

#include <optional>

namespace qx {

// The program's options, read before anything could open a display:
// --help, --version and --diff do their work and end the process. Returns
// the exit status, or nothing when there are no arguments and the window
// should open.
std::optional<int> runCommandLine(int argc, char *argv[]);

} // namespace qx
