#include "facecache.h"

#include <QPainter>
#include <QWidget>

const QPixmap &FaceCache::face(const QWidget &widget, const std::function<void(QPainter &)> &paint)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * ratio;
    if (pixels.isEmpty())
        return m_pixmap;
    if (!m_valid || m_pixmap.size() != pixels || m_pixmap.devicePixelRatio() != ratio) {
        m_pixmap = QPixmap(pixels);
        m_pixmap.setDevicePixelRatio(ratio);
        m_pixmap.fill(Qt::transparent);
        QPainter p(&m_pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p);
        m_valid = true;
    }
    return m_pixmap;
}
