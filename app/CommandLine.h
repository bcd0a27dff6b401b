#pragma once

#include <QStringList>

#include <functional>
#include <optional>

namespace qx {

// Draws a drive recording into a PNG or PDF picture, giving the exit status.
using PlotFunction = std::function<int(int &argc, char **argv, const QString &recording, const QString &picture)>;

// The program's options, read before anything could open a display:
// --help, --version and --diff do their work and end the process; --plot
// hands its files to plot, which draws offscreen. Returns the exit status,
// or nothing when there are no arguments and the window should open.
std::optional<int> runCommandLine(int &argc, char *argv[], const PlotFunction &plot);

// What QApplication left of the command line (the program first) once it took
// its own options: anything there ends the process with status 2.
std::optional<int> refuseArgumentsLeft(const QStringList &arguments);

} // namespace qx
