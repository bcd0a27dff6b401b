#include "tabgradient.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

TAbGradient::TAbGradient(QWidget *parent)
    : QWidget(parent)
{
    // Whatever lies over the gradient takes the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TAbGradient::setStartColor(const QColor &color)
{
    if (color == m_start)
        return;
    m_start = color;
    changed();
}

void TAbGradient::setEndColor(const QColor &color)
{
    if (color == m_end)
        return;
    m_end = color;
    changed();
}

void TAbGradient::setDirection(Direction direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    changed();
}

void TAbGradient::setPainting(bool painting)
{
    if (painting == m_painting)
        return;
    m_painting = painting;
    update();
}

void TAbGradient::changed()
{
    m_face.invalidate();
    if (m_painting)
        update();
}

void TAbGradient::paintEvent(QPaintEvent *event)
{
    if (!m_painting)
        return;
    QPainter p(this);
    const QRect exposed = event->rect();
    const QImage &face = m_face.face(*this, [this](QPainter &face) {
        const QPointF end = m_direction == LeftToRight ? QPointF(width(), 0) : QPointF(0, height());
        QLinearGradient gradient(QPointF(0, 0), end);
        gradient.setColorAt(0, m_start);
        gradient.setColorAt(1, m_end);
        face.fillRect(rect(), gradient);
    });
    const qreal ratio = face.devicePixelRatio();
    p.drawImage(exposed, face, QRectF(exposed.topLeft() * ratio, exposed.size() * ratio));
}
