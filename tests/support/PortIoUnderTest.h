#pragma once

#include "PortNames.h"
#include "QtSerialPortIo.h"
#include "SystemPortIo.h"

// The end-to-end tests run once with this platform's port and once with the
// QSerialPort one (QX_TEST_PORT_IO=qt), which other platforms use.
inline std::unique_ptr<qx::PortIo> portIoUnderTest()
{
    if (qgetenv("QX_TEST_PORT_IO") == "qt")
        return std::make_unique<qx::QtSerialPortIo>();
    return qx::makeSystemPortIo();
}

// Ports as the tests link them, without falling back on this machine's own
// serial devices (a test must never write to a real port).
inline qx::PortNameResolver linkedPortsOnly()
{
    return qx::PortNameResolver(qx::PortNameResolver::defaultPortsFolder(), [] { return QStringList(); });
}
