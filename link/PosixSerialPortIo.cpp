#include "PosixSerialPortIo.h"

#include "UsbLatency.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace qx {

namespace {

// How long a byte waits for room in a full output queue: within the pause
// that follows it anyway.
constexpr int RoomWaitMs = 3;

bool processRuns(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

bool configureLine(int fd)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace

bool lockedByAnotherProgram(const QString &device)
{
    QString name = device;
    if (name.startsWith(QLatin1String("/dev/")))
        name.remove(0, 5);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char *folder : {"/var/lock", "/run/lock", "/var/spool/locks", "/tmp"}) {
        QFile lock(QLatin1String(folder) + QStringLiteral("/LCK..") + name);
        if (lock.open(QIODevice::ReadOnly) && processRuns(pid_t(lock.readLine().trimmed().toLong())))
            return true;
    }
    return false;
}

PosixSerialPortIo::~PosixSerialPortIo()
{
    close();
}

bool PosixSerialPortIo::open(const QString &device)
{
    close();
    if (lockedByAnotherProgram(device))
        return false;
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // TIOCEXCL alone does not stop root; the advisory lock does.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !configureLine(fd)) {
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    // Pseudo-terminals refuse modem-line changes; that is of no consequence.
    const int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &lines);
    // Input only: output still queued is the previous exchange's last bytes,
    // which the other end may not have read yet.
    ::tcflush(fd, TCIFLUSH);
    fd_ = fd;
    lowerUsbLatency(device);
    return true;
}

void PosixSerialPortIo::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool PosixSerialPortIo::sendByte(quint8 byte)
{
    if (fd_ < 0)
        return false;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::write(fd_, &byte, 1) == 1)
            return true;
        if (errno == EINTR)
            continue;
        const qint64 left = RoomWaitMs - waited.elapsed();
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || left <= 0)
            break;
        // A full queue refuses the byte for a moment; wait for room rather than drop it.
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, int(left)) < 0 && errno != EINTR)
            break;
    }
    if (errno == EIO || errno == ENXIO || errno == ENODEV)
        close();
    return false;
}

bool PosixSerialPortIo::bytesQueued(qint64 *count)
{
    if (fd_ < 0)
        return false;
    int waiting = 0;
    if (::ioctl(fd_, FIONREAD, &waiting) != 0) {
        close();
        return false;
    }
    if (waiting == 0) {
        // A device that went away (adapter pulled, other end closed) hangs up.
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            close();
            return false;
        }
    }
    *count = waiting;
    return true;
}

QByteArray PosixSerialPortIo::read(qint64 maxBytes)
{
    if (fd_ < 0 || maxBytes <= 0)
        return {};
    QByteArray bytes(int(maxBytes), Qt::Uninitialized);
    const ssize_t n = ::read(fd_, bytes.data(), size_t(maxBytes));
    bytes.resize(n > 0 ? int(n) : 0);
    return bytes;
}

void PosixSerialPortIo::waitUntilSent(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    int pending = 0;
    while (fd_ >= 0 && ::ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 && timer.elapsed() < timeoutMs)
        ::usleep(200);
}

} // namespace qx
