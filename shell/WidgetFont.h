#pragma once

class QWidget;

namespace qx {

// A control's own font at a point size (and weight), its family kept.
void setPointSize(QWidget &widget, int points, bool bold = false);
// The same in a family of its own.
void setFamilyFont(QWidget &widget, const char *family, int points, bool bold = false);
// Only the weight, size and family kept.
void setBold(QWidget &widget, bool bold);

} // namespace qx
