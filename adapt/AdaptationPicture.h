#pragma once

#include <QWidget>

namespace qx {

// The adaptation pages' illustrations, drawn by the program: the two gas
// level glasses the fitter picks from, the reducer with its adjusting screw
// and the stepper motor. A click on a glass chooses it.
class AdaptationPicture final : public QWidget
{
    Q_OBJECT

public:
    enum class Drawing { Glass20k, Glass90R, Reducer, Stepper };

    AdaptationPicture(Drawing drawing, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintGlass(QPainter &p, const QRectF &area) const;
    void paintReducer(QPainter &p, const QRectF &area) const;
    void paintStepper(QPainter &p, const QRectF &area) const;

    Drawing drawing_;
};

} // namespace qx
