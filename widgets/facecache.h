#pragma once

#include <QImage>

#include <functional>

class QPainter;
class QWidget;

// The parts of an instrument that do not move (rim, face, scale, captions),
// drawn once into an image and reused until the size or a setting changes.
class FaceCache
{
public:
    void invalidate() { m_valid = false; }

    // The face for the widget's current size, redrawn by `paint` when stale.
    const QImage &face(const QWidget &widget, const std::function<void(QPainter &)> &paint);

private:
    QImage m_image;
    bool m_valid = false;
};
