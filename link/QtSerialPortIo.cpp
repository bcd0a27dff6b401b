#include "QtSerialPortIo.h"

#include "UsbLatency.h"

namespace qx {

bool QtSerialPortIo::open(const QString &device)
{
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Pseudo-terminals refuse modem-line changes; that is of no consequence.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    // Input only: output still queued is the previous exchange's last bytes,
    // which the other end may not have read yet.
    port_.clear(QSerialPort::Input);
    lowerUsbLatency(device);
    return true;
}

void QtSerialPortIo::close()
{
    if (port_.isOpen())
        port_.close();
}

bool QtSerialPortIo::isOpen() const
{
    return port_.isOpen();
}

bool QtSerialPortIo::sendByte(quint8 byte)
{
    if (!port_.isOpen())
        return false;
    const char c = static_cast<char>(byte);
    const bool sent = port_.write(&c, 1) == 1 && port_.flush();
    closeIfGone();
    return sent;
}

bool QtSerialPortIo::bytesQueued(qint64 *count)
{
    if (!port_.isOpen())
        return false;
    // bytesAvailable() counts only what Qt has already pulled in; fetch the
    // driver's queue first. A timeout here just means nothing more waits.
    while (port_.waitForReadyRead(0)) {
    }
    const bool gone = port_.error() == QSerialPort::ResourceError;
    port_.clearError();
    if (gone) {
        port_.close();
        return false;
    }
    *count = port_.bytesAvailable();
    return true;
}

QByteArray QtSerialPortIo::read(qint64 maxBytes)
{
    if (!port_.isOpen())
        return {};
    return port_.read(maxBytes);
}

void QtSerialPortIo::waitUntilSent(int timeoutMs)
{
    if (port_.isOpen() && port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(timeoutMs);
    closeIfGone();
}

void QtSerialPortIo::closeIfGone()
{
    if (port_.error() == QSerialPort::ResourceError || port_.error() == QSerialPort::WriteError) {
        port_.clearError();
        port_.close();
    }
}

} // namespace qx
