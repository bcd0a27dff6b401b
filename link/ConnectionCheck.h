#pragma once

#include "PortNames.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace qx {

class PortIo;

// A process that has a device open, as /proc shows it.
struct PortHolder
{
    qint64 pid = 0;
    QString command;
};

// What the connection check found out about one of com1 … com8.
struct PortFinding
{
    enum class Opening { NotTried, Opened, Busy, PermissionDenied, Failed };

    QString portName;
    PortOrigin origin;
    bool exists = false;
    Opening opening = Opening::NotTried;
    QString failure;          // the system's words when the open failed otherwise
    QList<PortHolder> holders; // for Busy, where they can be seen
    int version = 0;          // 0: no controller answered the version query

    bool healthy() const { return opening == Opening::Opened && version != 0; }
};

// The connection check: for each port name, where it leads, whether the
// device is there and opens, and whether a controller answers the version
// query. It uses the program's own port code on a channel of its own and
// sends nothing but the version query. The caller closes the program's own
// port first, or its lock reads as busy.
class ConnectionCheck
{
public:
    ConnectionCheck(std::function<std::unique_ptr<PortIo>()> makeIo, PortNameResolver resolver);

    PortFinding checkPort(const QString &portName) const;
    // com1 … com8.
    static QStringList portNames();

private:
    std::function<std::unique_ptr<PortIo>()> makeIo_;
    PortNameResolver resolver_;
};

// Why a device that would not open failed: busy, permission denied, or the
// system's own words in *failure.
PortFinding::Opening diagnoseOpenFailure(const QString &device, QString *failure);
// The processes other than this one that hold the device open.
QList<PortHolder> processesHolding(const QString &device);

} // namespace qx
