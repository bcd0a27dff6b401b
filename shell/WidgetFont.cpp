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

void setFamilyFont(QWidget &widget, const char *family, int points, bool bold)
{
    QFont font = widget.font();
    font.setFamily(QString::fromLatin1(family));
    font.setPointSize(points);
    font.setBold(bold);
    widget.setFont(font);
}

void setBold(QWidget &widget, bool bold)
{
    QFont font = widget.font();
    font.setBold(bold);
    widget.setFont(font);
}

} // namespace qx
