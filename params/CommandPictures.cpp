#include "CommandPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace qx {

namespace {

constexpr int Side = 64;
const QColor Ink(0x2b, 0x3a, 0x4a);
const QColor Accent(0xd0, 0x5a, 0x10);

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon asFoundPicture()
{
    return drawn([](QPainter &p) {
        const QRectF face(10, 10, 44, 44);
        p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
        // The rim, open at the top left where the arrow turns back.
        p.drawArc(face, 120 * 16, 300 * 16);
        // The arrow's head at the open end, pointing against the clock.
        QPainterPath head;
        head.moveTo(6, 14);
        head.lineTo(22, 14);
        head.lineTo(10, 28);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawPath(head);
        // The hands.
        p.setPen(QPen(Accent, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 32), QPointF(32, 19));
        p.drawLine(QPointF(32, 32), QPointF(42, 38));
    });
}

QIcon comparisonPicture()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(Ink, 3));
        p.setBrush(Qt::white);
        const QRectF left(4, 8, 26, 48);
        const QRectF right(34, 8, 26, 48);
        p.drawRect(left);
        p.drawRect(right);
        // Lines of values: the same on both sheets but one.
        for (int row = 0; row < 4; ++row) {
            const qreal y = 18 + row * 10;
            const bool differs = row == 2;
            p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, y), QPointF(25, y));
            p.setPen(QPen(differs ? Accent : Ink, differs ? 5 : 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(39, y), QPointF(55, y));
        }
    });
}

} // namespace qx
