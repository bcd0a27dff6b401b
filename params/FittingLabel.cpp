#include "FittingLabel.h"

#include <QPainter>

namespace qx {

QFont fittedFont(const QFont &font, const QString &text, int width)
{
    QFont fitted = font;
    // Hinting makes widths grow unevenly with the size: step down until it fits.
    for (qreal size = font.pointSizeF(); size > 1 && QFontMetrics(fitted).horizontalAdvance(text) > width;) {
        size = qMin(size - 0.25, size * width / QFontMetrics(fitted).horizontalAdvance(text));
        fitted.setPointSizeF(size);
    }
    return fitted;
}

void FittingLabel::paintEvent(QPaintEvent *event)
{
    const QRect box = contentsRect();
    if (QFontMetrics(font()).horizontalAdvance(text()) <= box.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fittedFont(font(), text(), box.width()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(box, int(alignment()), text());
}

} // namespace qx
