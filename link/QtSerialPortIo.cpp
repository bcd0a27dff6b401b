#include "SerialPortIo.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

// FTDI adapters hold received bytes for up to 16 ms before passing them on,
// which would eat most of a 20 ms reply wait. Where the driver offers it,
// ask for 1 ms; a port without that setting is left as it is.
void lowerUsbLatency(const QString &device)
{
    QFile timer(QStringLiteral("/sys/bus/usb-serial/devices/%1/latency_timer")
                    .arg(QFileInfo(device).fileName()));
    if (timer.exists() && timer.open(QIODevice::WriteOnly))
        timer.write("1");
}

} // namespace

bool SerialPortIo::open(const QString &device)
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
    port_.clear();
    lowerUsbLatency(device);
    return true;
}

void SerialPortIo::close()
{
    if (port_.isOpen())
        port_.close();
}

bool SerialPortIo::isOpen() const
{
    return port_.isOpen();
}

bool SerialPortIo::sendByte(quint8 byte)
{
    if (!port_.isOpen())
        return false;
    const char c = static_cast<char>(byte);
    const bool sent = port_.write(&c, 1) == 1 && port_.flush();
    closeIfGone();
    return sent;
}

bool SerialPortIo::bytesQueued(qint64 *count)
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

QByteArray SerialPortIo::read(qint64 maxBytes)
{
    if (!port_.isOpen())
        return {};
    return port_.read(maxBytes);
}

void SerialPortIo::waitUntilSent(int timeoutMs)
{
    if (port_.isOpen() && port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(timeoutMs);
    closeIfGone();
}

void SerialPortIo::closeIfGone()
{
    if (port_.error() == QSerialPort::ResourceError || port_.error() == QSerialPort::WriteError) {
        port_.clearError();
        port_.close();
    }
}

} // namespace qx
