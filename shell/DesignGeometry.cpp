#include "DesignGeometry.h"

#include <QWidget>

namespace qx {

void DesignGeometry::CaptureGeometry(const QWidget *window)
{
    boxes_.clear();
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            boxes_.insert(control->objectName(), control->geometry());
    }
}

} // namespace qx
