#include "SystemPortIo.h"

#ifdef Q_OS_UNIX
#include "PosixSerialPortIo.h"
#else
#include "QtSerialPortIo.h"
#endif

namespace qx {

std::unique_ptr<PortIo> makeSystemPortIo()
{
#ifdef Q_OS_UNIX
    return std::make_unique<PosixSerialPortIo>();
#else
    return std::make_unique<QtSerialPortIo>();
#endif
}

} // namespace qx
