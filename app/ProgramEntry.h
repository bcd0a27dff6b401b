#pragma once

class QApplication;

namespace qx {

// Program entry: the single-instance guard, the splash, the main window and
// the message loop. Returns the process's exit code.
int runProgram(QApplication &app);

} // namespace qx
