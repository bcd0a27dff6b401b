#include "PortNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStandardPaths>

#include <algorithm>

namespace qx {

int portNumber(const QString &portName)
{
    static const QRegularExpression pattern(QStringLiteral("^com([1-8])$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(portName);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

PortNameResolver::PortNameResolver()
    : PortNameResolver(defaultPortsFolder(), &PortNameResolver::machineSerialDevices)
{
}

PortNameResolver::PortNameResolver(QString portsFolder, DeviceLister devices)
    : portsFolder_(std::move(portsFolder)), devices_(std::move(devices))
{
}

QString PortNameResolver::defaultPortsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quorvantix/ports");
}

QString PortNameResolver::resolve(const QString &portName) const
{
    return origin(portName).device;
}

PortOrigin PortNameResolver::origin(const QString &portName) const
{
    PortOrigin o;
    const int n = portNumber(portName);
    if (n == 0)
        return o;
#ifdef Q_OS_WIN
    o.kind = PortOrigin::SerialDevice;
    o.deviceNumber = n;
    o.device = QStringLiteral("\\\\.\\COM%1").arg(n);
#else
    const QFileInfo link(portsFolder_ + QLatin1Char('/') + portName.toLower());
    if (link.isSymLink()) {
        o.linkPath = link.filePath();
        o.linkTarget = link.symLinkTarget();
        // The link's target is opened, so two links to one device share its lock.
        o.kind = link.exists() ? PortOrigin::Link : PortOrigin::DanglingLink;
        if (link.exists())
            o.device = link.canonicalFilePath();
        return o;
    }
    const QStringList devices = devices_ ? devices_() : QStringList();
    if (n <= devices.size()) {
        o.kind = PortOrigin::SerialDevice;
        o.deviceNumber = n;
        o.device = devices.at(n - 1);
    }
#endif
    return o;
}

QStringList PortNameResolver::sortedSerialDevices(QStringList devices)
{
    static const QStringList families = {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM"),
                                         QStringLiteral("ttyS")};
    static const QRegularExpression split(QStringLiteral("^(\\D+)(\\d*)$"));
    struct Key { int family; int number; };
    auto keyOf = [](const QString &path) {
        const auto m = split.match(QFileInfo(path).fileName());
        const int family = m.hasMatch() ? int(families.indexOf(m.captured(1))) : -1;
        return Key{family < 0 ? int(families.size()) : family, m.hasMatch() ? m.captured(2).toInt() : 0};
    };
    std::stable_sort(devices.begin(), devices.end(), [&](const QString &a, const QString &b) {
        const Key ka = keyOf(a), kb = keyOf(b);
        return ka.family != kb.family ? ka.family < kb.family : ka.number < kb.number;
    });
    return devices;
}

QStringList PortNameResolver::machineSerialDevices()
{
    // QSerialPortInfo leaves out the ttyS entries that have no hardware behind them.
    QStringList devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return sortedSerialDevices(devices);
}

} // namespace qx
