#pragma once

#include <QHash>
#include <QRect>
#include <QString>

class QWidget;

namespace qx {

// The design box of every named control, recorded once at start-up so each
// later rescale starts from the design and never accumulates rounding.
class DesignGeometry
{
public:
    void CaptureGeometry(const QWidget *window);
    QRect designBox(const QString &name) const { return boxes_.value(name); }
    int size() const { return int(boxes_.size()); }

private:
    QHash<QString, QRect> boxes_;
};

} // namespace qx
