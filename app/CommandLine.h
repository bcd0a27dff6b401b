#pragma once

#include <QStringList>

#include <optional>

namespace qx {

// The program's options, read before anything could open a display:
// --help, --version and --diff do their work and end the process. Returns
// the exit status, or nothing when there are no arguments and the window
// should open.
std::optional<int> runCommandLine(int argc, char *argv[]);

// What QApplication left of the command line (the program first) once it took
// its own options: anything there ends the process with status 2.
std::optional<int> refuseArgumentsLeft(const QStringList &arguments);

} // namespace qx
