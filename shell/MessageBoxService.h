#pragma once

namespace qx {

// From now on the program's messages and file choices are Qt's dialogs, not
// the console's.
void useMessageBoxes();

} // namespace qx
