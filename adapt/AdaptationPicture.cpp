#include "AdaptationPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qx {

namespace {

const QColor Outline(0x30, 0x30, 0x30);
const QColor Metal(0xb8, 0xbe, 0xc6);
const QColor Brass(0xc8, 0xa2, 0x48);
const QColor Gas(0x2e, 0x7d, 0x32);
const QColor Arrow(0xc6, 0x28, 0x28);

// A curved arrow around centre, from one angle over a span (degrees, 0 at
// three o'clock, counter-clockwise positive), its head at the end.
void curvedArrow(QPainter &p, QPointF centre, qreal radius, qreal fromDeg, qreal spanDeg)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(Arrow, radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, int(fromDeg * 16), int(spanDeg * 16));
    const qreal end = qDegreesToRadians(fromDeg + spanDeg);
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    // The way the arc runs at its end, on the screen (y down).
    const qreal turn = spanDeg > 0 ? 1 : -1;
    const QPointF ahead(-std::sin(end) * turn, -std::cos(end) * turn);
    const QPointF outward(std::cos(end), -std::sin(end));
    const qreal head = radius * 0.35;
    p.setPen(Qt::NoPen);
    p.setBrush(Arrow);
    p.drawPolygon(QPolygonF{tip + ahead * head * 0.6, tip - ahead * head * 0.6 + outward * head * 0.6,
                            tip - ahead * head * 0.6 - outward * head * 0.6});
}

} // namespace

AdaptationPicture::AdaptationPicture(Drawing drawing, QWidget *parent) : QWidget(parent), drawing_(drawing)
{
    if (drawing_ == Drawing::Glass20k || drawing_ == Drawing::Glass90R)
        setCursor(Qt::PointingHandCursor);
}

void AdaptationPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void AdaptationPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    switch (drawing_) {
    case Drawing::Glass20k:
    case Drawing::Glass90R: paintGlass(p, area); break;
    case Drawing::Reducer: paintReducer(p, area); break;
    case Drawing::Stepper: paintStepper(p, area); break;
    }
}

// A round reserve-gauge glass with its level scale and float arm; the 20k
// glass reads a 20 kΩ sender, the 90R one a 90 Ω sender or a reed switch.
void AdaptationPicture::paintGlass(QPainter &p, const QRectF &area) const
{
    const qreal side = std::min(area.width(), area.height() * 0.8);
    const QRectF dial(area.center().x() - side / 2, area.top(), side, side);
    p.setPen(QPen(Outline, side * 0.02));
    p.setBrush(Metal);
    p.drawEllipse(dial);
    const QRectF glass = dial.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1);
    p.setBrush(QColor(0xf4, 0xf8, 0xfb));
    p.drawEllipse(glass);

    // The scale: a quarter arc of LEDs from reserve (red) to full (green).
    const QPointF c = glass.center();
    const qreal r = glass.width() * 0.36;
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(135.0 - i * 22.5);
        const QPointF at(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        p.setBrush(i == 0 ? QColor(0xd3, 0x2f, 0x2f) : Gas);
        p.setPen(Qt::NoPen);
        p.drawEllipse(at, side * 0.035, side * 0.035);
    }
    // The float arm pointing at three quarters full.
    const qreal a = qDegreesToRadians(135.0 - 3 * 22.5);
    p.setPen(QPen(Outline, side * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + r * 0.8 * std::cos(a), c.y() - r * 0.8 * std::sin(a)));
    p.setBrush(Outline);
    p.drawEllipse(c, side * 0.03, side * 0.03);

    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(int(side * 0.16));
    p.setFont(font);
    p.setPen(Outline);
    const bool twentyK = drawing_ == Drawing::Glass20k;
    p.drawText(QRectF(glass.left(), c.y() + side * 0.05, glass.width(), side * 0.25), Qt::AlignCenter,
               twentyK ? QStringLiteral("20k") : QStringLiteral("90R"));
    font.setBold(false);
    font.setPixelSize(int(side * 0.1));
    p.setFont(font);
    p.drawText(QRectF(area.left(), dial.bottom() + 2, area.width(), area.bottom() - dial.bottom() - 2),
               Qt::AlignCenter, twentyK ? QStringLiteral("0 … 20 kΩ") : QStringLiteral("0 … 90 Ω"));
}

// The reducer body with its gas inlet and outlet, the idle screw on top and
// the direction to turn it.
void AdaptationPicture::paintReducer(QPainter &p, const QRectF &area) const
{
    const qreal u = std::min(area.width(), area.height()) / 10;
    const QPointF c = area.center() + QPointF(0, u);
    const QRectF body(c.x() - 3 * u, c.y() - 2.2 * u, 6 * u, 4.4 * u);
    p.setPen(QPen(Outline, u * 0.12));
    p.setBrush(Metal);
    p.drawRect(QRectF(body.left() - 2 * u, c.y() - 0.4 * u, 2 * u, 0.8 * u)); // inlet
    p.drawRect(QRectF(body.right(), c.y() + 0.6 * u, 2 * u, 0.8 * u));        // outlet
    p.drawRoundedRect(body, u, u);
    p.setBrush(QColor(0x9a, 0xa1, 0xab));
    p.drawEllipse(body.center(), 1.4 * u, 1.4 * u);
    // The screw and its lock nut.
    p.setBrush(Brass);
    p.drawRect(QRectF(c.x() - 0.35 * u, body.top() - 2.2 * u, 0.7 * u, 2.2 * u));
    p.drawRect(QRectF(c.x() - 0.8 * u, body.top() - 0.8 * u, 1.6 * u, 0.6 * u));
    p.drawLine(QPointF(c.x() - 0.35 * u, body.top() - 2.2 * u), QPointF(c.x() + 0.35 * u, body.top() - 2.2 * u));
    curvedArrow(p, QPointF(c.x(), body.top() - 1.6 * u), 1.4 * u, 200, -220);
    p.setPen(Gas);
    QFont font = p.font();
    font.setPixelSize(int(u * 0.9));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(area.left(), c.y() - 1.5 * u, body.left() - area.left() - 0.2 * u, u), Qt::AlignRight,
               QStringLiteral("LPG"));
}

// The stepper motor: its body, connector and the plunger that opens the gas
// way, with arrows for its travel.
void AdaptationPicture::paintStepper(QPainter &p, const QRectF &area) const
{
    const qreal u = std::min(area.width(), area.height()) / 10;
    const QPointF c = area.center();
    const QRectF body(c.x() - 3.5 * u, c.y() - 2 * u, 4 * u, 4 * u);
    p.setPen(QPen(Outline, u * 0.12));
    p.setBrush(QColor(0x45, 0x4f, 0x5c));
    p.drawRoundedRect(body, 0.5 * u, 0.5 * u);
    p.setBrush(Metal);
    p.drawRect(QRectF(body.left() - 1.2 * u, c.y() - 0.8 * u, 1.2 * u, 1.6 * u)); // connector
    p.drawRect(QRectF(body.right(), c.y() - 1.2 * u, 0.6 * u, 2.4 * u));         // flange
    p.setBrush(Brass);
    p.drawRect(QRectF(body.right() + 0.6 * u, c.y() - 0.25 * u, 1.8 * u, 0.5 * u)); // shaft
    QPainterPath cone;
    cone.moveTo(body.right() + 2.4 * u, c.y() - 0.8 * u);
    cone.lineTo(body.right() + 3.4 * u, c.y());
    cone.lineTo(body.right() + 2.4 * u, c.y() + 0.8 * u);
    cone.closeSubpath();
    p.drawPath(cone);
    // Its travel: open and closed.
    p.setPen(QPen(Arrow, u * 0.2, Qt::SolidLine, Qt::RoundCap));
    const qreal y = c.y() + 2 * u;
    p.drawLine(QPointF(body.right() + 0.8 * u, y), QPointF(body.right() + 3.4 * u, y));
    p.setBrush(Arrow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{QPointF(body.right() + 3.8 * u, y), QPointF(body.right() + 3.2 * u, y - 0.4 * u),
                            QPointF(body.right() + 3.2 * u, y + 0.4 * u)});
    p.drawPolygon(QPolygonF{QPointF(body.right() + 0.4 * u, y), QPointF(body.right() + 1.0 * u, y - 0.4 * u),
                            QPointF(body.right() + 1.0 * u, y + 0.4 * u)});
}

} // namespace qx
