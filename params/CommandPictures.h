#pragma once

#include <QIcon>

namespace qx {

// The pictures of the Parameters page's picture buttons, drawn here so they
// follow no icon theme and scale to every profile.
QIcon asFoundPicture();    // a clock with an arrow turning back
QIcon comparisonPicture(); // two sheets side by side, one line differing

} // namespace qx
