#include "SimBusyPort.h"

#include <QSerialPort>

namespace qxsim {

BusyPort::BusyPort() = default;

BusyPort::~BusyPort() = default;

bool BusyPort::hold(const QStringList &names, QString *error)
{
    release();
    QStringList failures;
    for (const QString &name : names) {
        auto port = std::make_unique<QSerialPort>(name);
        // Write-only: nothing reads here, so no read notifier is needed.
        if (port->open(QIODevice::WriteOnly))
            m_ports.push_back(std::move(port));
        else
            failures << QStringLiteral("%1: %2").arg(name, port->errorString());
    }
    if (isHeld())
        return true;
    *error = QStringLiteral("cannot hold the port busy (%1)").arg(failures.join(QStringLiteral("; ")));
    return false;
}

void BusyPort::release()
{
    m_ports.clear();
}

} // namespace qxsim
