#include "facecache.h"

#include <QPainter>
#include <QWidget>

const QImage &FaceCache::face(const QWidget &widget, const std::function<void(QPainter &)> &paint)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * ratio;
    if (pixels.isEmpty())
        return m_image;
    if (!m_valid || m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        // An image already in the painting format: a pixmap would be converted
        // to gain its alpha channel, which costs more than the drawing.
        if (m_image.size() != pixels)
            m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::transparent);
        QPainter p(&m_image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p);
        m_valid = true;
    }
    return m_image;
}
