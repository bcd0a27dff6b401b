#include "ConnectionCheck.h"

#include "ControllerProtocol.h"
#include "PortIo.h"
#include "SerialChannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include "PosixSerialPortIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace qx {

ConnectionCheck::ConnectionCheck(std::function<std::unique_ptr<PortIo>()> makeIo, PortNameResolver resolver)
    : makeIo_(std::move(makeIo)), resolver_(std::move(resolver))
{
}

QStringList ConnectionCheck::portNames()
{
    QStringList names;
    for (int n = 1; n <= 8; ++n)
        names << QStringLiteral("com%1").arg(n);
    return names;
}

PortFinding ConnectionCheck::checkPort(const QString &portName) const
{
    PortFinding f;
    f.portName = portName;
    f.origin = resolver_.origin(portName);
    if (f.origin.device.isEmpty())
        return f;
#ifdef Q_OS_WIN
    f.exists = true;
#else
    f.exists = QFileInfo::exists(f.origin.device);
#endif
    if (!f.exists)
        return f;
    // A channel of its own, without feedback: the check shows its findings
    // in its own dialog, not in the window's error boxes.
    SerialChannel channel(makeIo_(), resolver_, nullptr);
    if (!channel.OpenPortQuiet(portName)) {
        f.opening = diagnoseOpenFailure(f.origin.device, &f.failure);
        if (f.opening == PortFinding::Opening::Busy)
            f.holders = processesHolding(f.origin.device);
        return f;
    }
    f.opening = PortFinding::Opening::Opened;
    ControllerProtocol protocol(channel);
    protocol.setPortName(portName);
    f.version = protocol.ShowControllerVersion();
    channel.ClosePort();
    return f;
}

PortFinding::Opening diagnoseOpenFailure(const QString &device, QString *failure)
{
#ifdef Q_OS_UNIX
    if (lockedByAnotherProgram(device))
        return PortFinding::Opening::Busy;
    const QByteArray path = QFile::encodeName(device);
    // Opened for a look only: nothing is written, and it is closed at once.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM)
            return PortFinding::Opening::PermissionDenied;
        if (error == EBUSY)
            return PortFinding::Opening::Busy;
        *failure = QString::fromLocal8Bit(std::strerror(error));
        return PortFinding::Opening::Failed;
    }
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    const bool terminal = ::isatty(fd);
    ::close(fd);
    if (locked)
        return PortFinding::Opening::Busy;
    // What else stops the channel's open: a device that is no serial line.
    *failure = QString::fromLocal8Bit(std::strerror(terminal ? EIO : ENOTTY));
    return PortFinding::Opening::Failed;
#else
    Q_UNUSED(device);
    *failure = QString();
    return PortFinding::Opening::Failed;
#endif
}

QList<PortHolder> processesHolding(const QString &device)
{
    QList<PortHolder> holders;
#ifdef Q_OS_LINUX
    const QString own = QString::number(QCoreApplication::applicationPid());
    const QString target = QFileInfo(device).canonicalFilePath();
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        bool isNumber = false;
        const qint64 number = pid.toLongLong(&isNumber);
        if (!isNumber || pid == own)
            continue;
        // Other users' processes stay unreadable without privileges; they are skipped.
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fds.filePath(fd)) != target)
                continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
            const QString command =
                comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll().trimmed()) : QString();
            holders.append({number, command});
            break;
        }
    }
#else
    Q_UNUSED(device);
#endif
    return holders;
}

} // namespace qx
