#include "DesignGeometry.h"

#include <QTabWidget>

namespace qx {

void DesignGeometry::CaptureGeometry(QTabWidget &pageControl)
{
    controls_.clear();
    record(pageControl);
    captureSheets(pageControl);
}

QRect DesignGeometry::designBox(const QString &name) const
{
    for (const DesignBox &design : controls_) {
        if (design.control->objectName() == name)
            return design.box;
    }
    return QRect();
}

void DesignGeometry::captureSheets(const QTabWidget &pageControl)
{
    for (int i = 0; i < pageControl.count(); ++i)
        captureControls(*pageControl.widget(i));
}

// Unnamed widgets and Qt's own parts (a list's popup, a tab bar's arrows)
// are pieces of a control, not controls.
void DesignGeometry::captureControls(const QWidget &parent)
{
    for (QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        record(*child);
        if (const auto *pages = qobject_cast<const QTabWidget *>(child))
            captureSheets(*pages);
        else
            captureControls(*child);
    }
}

void DesignGeometry::record(QWidget &control)
{
    // A style sheet's weight counts once the control is polished.
    control.ensurePolished();
    controls_.append({&control, control.geometry(), control.font().bold()});
}

} // namespace qx
