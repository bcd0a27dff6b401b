#include "FittedBox.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace qx {

FittedBox::FittedBox(QWidget &control)
    : QObject(&control), control_(control), box_(control.geometry())
{
    control.parentWidget()->installEventFilter(this);
}

void FittedBox::setBox(const QRect &box)
{
    box_ = box;
    fit();
}

bool FittedBox::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fit();
    return false;
}

void FittedBox::fit()
{
    const QSize area = control_.parentWidget()->size();
    const QRect cut(box_.topLeft(), QSize(std::clamp(area.width() - box_.x(), 0, box_.width()),
                                          std::clamp(area.height() - box_.y(), 0, box_.height())));
    if (control_.geometry() != cut)
        control_.setGeometry(cut);
}

} // namespace qx
