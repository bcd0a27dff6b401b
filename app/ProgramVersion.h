#pragma once

#include <QString>

namespace qx {

// The program's version, "4.3.0.12", as the build sets it.
QString programVersion();
// Its first two parts, "4.3", as the caption and the splash show it.
QString programRelease();
// The build number for the window caption: "12)" for version 4.3.0.12, or
// "?.?" for a version without a build number.
QString ProgramBuildText();

} // namespace qx
