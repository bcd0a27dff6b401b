#pragma once

namespace qxsim {

// Ctrl+C, SIGTERM and SIGHUP quit the application's event loop, so the
// simulator stops normally and removes its port link.
void quitOnTerminationSignals();

} // namespace qxsim
