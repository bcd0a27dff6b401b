#pragma once

class QWidget;

namespace qx {

// A control's own font at a point size (and weight), its family kept.
void setPointSize(QWidget &widget, int points, bool bold = false);

} // namespace qx
