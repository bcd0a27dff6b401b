#pragma once

#include <QString>

namespace qx {

// quorvantix --plot RECORDING -o OUT.png|OUT.pdf: the whole recording drawn
// as the viewer draws it, on Qt's offscreen platform, so no display is needed.
// 0 once written; 2 with a message for a damaged recording (its first bad
// line), an output type other than PNG or PDF, or a path it cannot write,
// and then no picture is left behind.
int plotRecording(int &argc, char **argv, const QString &recording, const QString &picture);

} // namespace qx
