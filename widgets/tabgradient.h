#pragma once

#include "facecache.h"

#include <QColor>
#include <QWidget>

// A background that runs from one colour to another, laid lowest on a page
// so the texts over it show through. With Painting off it draws nothing and
// the page's plain background shows; the page alone decides whether it is
// visible at all.
class TAbGradient : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor StartColor READ startColor WRITE setStartColor)
    Q_PROPERTY(QColor EndColor READ endColor WRITE setEndColor)
    Q_PROPERTY(Direction Direction READ direction WRITE setDirection)
    Q_PROPERTY(bool Painting READ isPainting WRITE setPainting)

public:
    enum Direction { LeftToRight, TopToBottom };
    Q_ENUM(Direction)

    explicit TAbGradient(QWidget *parent = nullptr);

    QColor startColor() const { return m_start; }
    void setStartColor(const QColor &color);
    QColor endColor() const { return m_end; }
    void setEndColor(const QColor &color);
    Direction direction() const { return m_direction; }
    void setDirection(Direction direction);
    bool isPainting() const { return m_painting; }
    void setPainting(bool painting);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void changed();

    FaceCache m_face;
    QColor m_start = QColor(0xf4, 0xf6, 0xf8);
    QColor m_end = QColor(0xd9, 0xe1, 0xea);
    Direction m_direction = TopToBottom;
    bool m_painting = true;
};
