#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace qx {

// Keeps a control at the box a profile gives it, cut where the box would run
// past its parent's edges, and cut again whenever the parent is resized.
class FittedBox final : public QObject
{
public:
    explicit FittedBox(QWidget &control);

    void setBox(const QRect &box);
    QRect box() const { return box_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QWidget &control_;
    QRect box_;
};

} // namespace qx
