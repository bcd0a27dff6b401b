#pragma once

#include "facecache.h"
#include "paintkit.h"

#include <QWidget>

// Plain progress gauge: a vertical bar filled from the bottom to Progress
// per cent, with the percentage written across it.
class TGauge : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Progress READ progress WRITE setProgress)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)

public:
    explicit TGauge(QWidget *parent = nullptr);

    int progress() const { return m_progress; }
    void setProgress(int progress);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Sizes the case and trough to the widget; runs whenever the face is drawn anew.
    void arrange();

    int m_progress = 0;
    QColor m_foreColor = QColor(0x00, 0x80, 0x00);
    PaintKit::Case m_case;
    QRectF m_trough;
    FaceCache m_housing;
};
