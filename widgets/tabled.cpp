#include "tabled.h"

#include "paintkit.h"

#include <QPainter>
#include <QRadialGradient>

TAbLED::TAbLED(QWidget *parent)
    : QWidget(parent)
{
    connect(FlashClock::instance(), &FlashClock::toggled, this, &TAbLED::clockToggled);
}

TAbLED::~TAbLED()
{
    if (m_following)
        FlashClock::instance()->unsubscribe();
}

void TAbLED::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    followClock();
    update();
}

void TAbLED::setFlashing(bool flashing)
{
    if (flashing == m_flashing)
        return;
    const bool wasLit = isLit();
    m_flashing = flashing;
    followClock();
    if (isLit() != wasLit)
        update();
}

void TAbLED::setFrequency(FlashClock::Frequency frequency)
{
    const bool wasLit = isLit();
    m_frequency = frequency;
    if (isLit() != wasLit)
        update();
}

void TAbLED::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
}

void TAbLED::setColorOn(const QColor &color)
{
    m_colorOn = color;
    update();
}

void TAbLED::setColorOff(const QColor &color)
{
    m_colorOff = color;
    update();
}

void TAbLED::setLampHeight(int pixels)
{
    if (pixels == m_lampHeight)
        return;
    m_lampHeight = pixels;
    update();
}

bool TAbLED::isLit() const
{
    return m_checked && (!m_flashing || FlashClock::instance()->isOnPhase(m_frequency));
}

void TAbLED::followClock()
{
    const bool follow = m_checked && m_flashing;
    if (follow == m_following)
        return;
    m_following = follow;
    if (follow)
        FlashClock::instance()->subscribe();
    else
        FlashClock::instance()->unsubscribe();
}

void TAbLED::clockToggled(FlashClock::Frequency frequency)
{
    if (m_following && frequency == m_frequency)
        update();
}

QSize TAbLED::sizeHint() const
{
    const int lamp = fontMetrics().height() * 3 / 2;
    return QSize(lamp + (m_caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(m_caption) + lamp / 2), lamp);
}

void TAbLED::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const int lamp = m_lampHeight > 0 ? std::min(m_lampHeight, height()) : height();
    const qreal d = std::min(width(), lamp) * 0.86;
    const QPointF centre = m_caption.isEmpty() ? QPointF(width() / 2.0, height() / 2.0)
                                               : QPointF(lamp / 2.0, height() / 2.0);
    const qreal r = d / 2;
    const QColor color = isLit() ? m_colorOn : m_colorOff;

    // Dark chrome seat, the lamp's body lit from the top left, then a glint.
    QLinearGradient seat(centre - QPointF(r, r), centre + QPointF(r, r));
    seat.setColorAt(0, QColor(0xe6, 0xe9, 0xec));
    seat.setColorAt(1, QColor(0x30, 0x34, 0x39));
    p.setPen(Qt::NoPen);
    p.setBrush(seat);
    p.drawEllipse(centre, r, r);

    const qreal body = r * 0.8;
    QRadialGradient glow(centre - QPointF(body * 0.25, body * 0.3), body * 1.2);
    glow.setColorAt(0, color.lighter(isLit() ? 175 : 130));
    glow.setColorAt(0.55, color);
    glow.setColorAt(1, color.darker(isLit() ? 170 : 240));
    p.setBrush(glow);
    p.drawEllipse(centre, body, body);

    QRadialGradient glint(centre - QPointF(body * 0.3, body * 0.38), body * 0.45);
    glint.setColorAt(0, QColor(255, 255, 255, isLit() ? 210 : 120));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(glint);
    p.drawEllipse(centre - QPointF(body * 0.3, body * 0.38), body * 0.45, body * 0.32);

    if (!m_caption.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        PaintKit::drawTextAt(p, QPointF(lamp + r * 0.2, height() / 2.0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }
}
