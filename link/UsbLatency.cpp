#include "UsbLatency.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

void lowerUsbLatency(const QString &device)
{
    QFile timer(QStringLiteral("/sys/bus/usb-serial/devices/%1/latency_timer").arg(QFileInfo(device).fileName()));
    if (timer.exists() && timer.open(QIODevice::WriteOnly))
        timer.write("1");
}

} // namespace qx
