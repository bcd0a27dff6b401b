#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qx {

// Turns the program's port names "com1" … "com8" into the device to open.
// On Windows that is \\.\COMn. Elsewhere, in this order: a symbolic link
// named comN in the per-user ports folder; otherwise the N-th serial device
// of the machine (USB adapters, then ACM modems, then built-in ports);
// otherwise there is no such port. A dangling link means no such port.
// Where a port name leads, for the connection check to explain.
struct PortOrigin
{
    enum Kind { None, Link, DanglingLink, SerialDevice };

    Kind kind = None;
    QString device;      // the device to open; empty when there is none
    QString linkPath;    // the comN link, for Link and DanglingLink
    QString linkTarget;  // where the link points, as written in it
    int deviceNumber = 0; // N of "the N-th serial device", for SerialDevice
};

class PortNameResolver
{
public:
    using DeviceLister = std::function<QStringList()>;

    PortNameResolver();
    PortNameResolver(QString portsFolder, DeviceLister devices);

    // The device path, or an empty text when the port does not exist.
    QString resolve(const QString &portName) const;
    // The same lookup, saying how the device was found.
    PortOrigin origin(const QString &portName) const;

    // The per-user folder that holds the comN links.
    static QString defaultPortsFolder();
    // The machine's serial devices in the stable order described above.
    static QStringList machineSerialDevices();
    // The order itself, for any list of device paths.
    static QStringList sortedSerialDevices(QStringList devices);

private:
    QString portsFolder_;
    DeviceLister devices_;
};

// The port number of "com1" … "com8" (case-insensitive), or 0 for anything else.
int portNumber(const QString &portName);

} // namespace qx
