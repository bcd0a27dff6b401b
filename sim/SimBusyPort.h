#pragma once

#include <QStringList>

#include <memory>
#include <vector>

class QSerialPort;

namespace qxsim {

// Holds a port open the way another program would, lock files and all, so
// the program's own open fails. A port is locked under the name it is
// opened by, so every name the program might use is held.
class BusyPort
{
public:
    BusyPort();
    ~BusyPort();

    bool hold(const QStringList &names, QString *error);
    void release();
    bool isHeld() const { return !m_ports.empty(); }

private:
    std::vector<std::unique_ptr<QSerialPort>> m_ports;
};

} // namespace qxsim
