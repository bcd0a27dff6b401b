#include "WidgetFont.h"

#include <QWidget>

namespace qx {

void setPointSize(QWidget &widget, int points, bool bold)
{
    QFont font = widget.font();
    font.setPointSize(points);
    font.setBold(bold);
    widget.setFont(font);
}

} // namespace qx
