// POSIX pseudo-terminal calls, kept apart from the portable code.
#include "SimPtyPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace qxsim {

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyPort::~PtyPort()
{
    close();
}

bool PtyPort::open(QString *error)
{
    close();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    const char *slaveName = ::ptsname(m_master);
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || !slaveName) {
        *error = systemError("grantpt/unlockpt");
        close();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(slaveName);
    // Holding the slave open ourselves keeps the master from seeing a
    // hang-up every time the program closes its port; we never read it.
    m_heldSlave = ::open(slaveName, O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios settings;
    if (m_heldSlave < 0 || ::tcgetattr(m_heldSlave, &settings) != 0) {
        *error = systemError("opening the pseudo-terminal");
        close();
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    ::tcsetattr(m_heldSlave, TCSANOW, &settings);
    return true;
}

void PtyPort::close()
{
    if (m_heldSlave >= 0)
        ::close(m_heldSlave);
    if (m_master >= 0)
        ::close(m_master);
    m_heldSlave = m_master = -1;
    m_devicePath.clear();
}

void PtyPort::waitForInput(qint64 timeoutMicros)
{
    const timespec timeout{time_t(timeoutMicros / 1000000), long(timeoutMicros % 1000000) * 1000};
    if (m_master < 0) {
        ::nanosleep(&timeout, nullptr);
        return;
    }
    pollfd descriptor{m_master, POLLIN, 0};
    ::ppoll(&descriptor, 1, &timeout, nullptr);
}

QByteArray PtyPort::readAvailable()
{
    QByteArray bytes;
    char buffer[512];
    ssize_t count;
    while (m_master >= 0 && (count = ::read(m_master, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, count);
    return bytes;
}

int PtyPort::write(const QByteArray &bytes)
{
    if (m_master < 0 || bytes.isEmpty())
        return 0;
    const ssize_t written = ::write(m_master, bytes.constData(), size_t(bytes.size()));
    return written > 0 ? int(written) : 0;
}

} // namespace qxsim
