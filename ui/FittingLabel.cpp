#include "FittingLabel.h"

#include <QPainter>

namespace qx {

namespace {

bool fits(const QFont &font, const QString &text, QSize room, bool wrapped)
{
    // Measured as a label measures its text; a glyph's overhang can make that
    // a pixel wider than the advance. A word longer than the width sticks out
    // of a wrapped block.
    const QFontMetrics metrics(font);
    const QRect block = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2),
                                             wrapped ? Qt::TextWordWrap : 0, text);
    const int width = wrapped ? block.width() : qMax(block.width(), metrics.horizontalAdvance(text));
    return width <= room.width() && block.height() <= room.height();
}

} // namespace

QFont fittedFont(const QFont &font, const QString &text, QSize room, bool wrapped)
{
    QFont fitted = font;
    // Hinting makes sizes grow unevenly with the point size: step down until it fits.
    for (qreal size = font.pointSizeF(); size > 1 && !fits(fitted, text, room, wrapped);) {
        // One line shrinks in proportion to its width; wrapped lines re-break at every size.
        size = wrapped ? size - 0.25
                       : qMin(size - 0.25, size * room.width() / QFontMetrics(fitted).horizontalAdvance(text));
        fitted.setPointSizeF(size);
    }
    return fitted;
}

QFont FittingLabel::drawnFont() const
{
    return fittedFont(font(), text(), contentsRect().size(), wordWrap());
}

void FittingLabel::paintEvent(QPaintEvent *event)
{
    const QFont drawn = drawnFont();
    if (drawn == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(drawn);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

} // namespace qx
