#include "tgauge.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>

TGauge::TGauge(QWidget *parent)
    : QWidget(parent)
{
}

void TGauge::setProgress(int progress)
{
    progress = std::clamp(progress, 0, 100);
    if (progress == m_progress)
        return;
    m_progress = progress;
    update();
}

void TGauge::setForeColor(const QColor &color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void TGauge::arrange()
{
    m_case = PaintKit::Case(size(), 0.1, 0.15);
    const QRectF face = m_case.face();
    const qreal gap = std::min(face.width(), face.height()) * 0.04;
    m_trough = face.adjusted(gap, gap, -gap, -gap);
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_housing.face(*this, [this](QPainter &housing) {
        arrange();
        m_case.paint(housing);
        housing.fillRect(m_trough, PaintKit::trough);
    }));
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF &inside = m_trough;
    const qreal top = inside.bottom() - inside.height() * m_progress / 100.0;
    const QRectF bar(inside.left(), top, inside.width(), inside.bottom() - top);
    QLinearGradient lens(bar.topLeft(), bar.topRight());
    lens.setColorAt(0, m_foreColor.darker(140));
    lens.setColorAt(0.4, m_foreColor.lighter(160));
    lens.setColorAt(1, m_foreColor.darker(160));
    p.fillRect(bar, lens);

    // Dark outline under light text keeps the number readable over any fill.
    const QString text = QString::number(m_progress) + QStringLiteral(" %");
    p.setFont(PaintKit::sizedFont(*this, std::min(inside.width() * 0.36, inside.height() * 0.12), QFont::Bold));
    p.setPen(QColor(0, 0, 0, 170));
    PaintKit::drawTextAt(p, inside.center() + QPointF(1, 1), Qt::AlignCenter, text);
    p.setPen(PaintKit::faceText);
    PaintKit::drawTextAt(p, inside.center(), Qt::AlignCenter, text);
}
