#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

// The smallest view of a serial port the channel needs. QSerialPort is the
// real one; the interface keeps the channel testable and portable.
class PortIo
{
public:
    virtual ~PortIo() = default;

    // Opens the device for exclusive use at 9600 8N1, no flow control, DTR and
    // RTS inactive, with stale input dropped (queued output is kept). False
    // when it cannot be opened.
    virtual bool open(const QString &device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Hands one byte to the driver, waiting a moment for room when its queue
    // is full. False when it could not be sent.
    virtual bool sendByte(quint8 byte) = 0;
    // Status query: the number of received bytes waiting. False when the port
    // cannot be queried (closed or gone).
    virtual bool bytesQueued(qint64 *count) = 0;
    // Takes up to maxBytes of what is already waiting; never waits.
    virtual QByteArray read(qint64 maxBytes) = 0;
    // Waits until everything handed over has left, for at most timeoutMs.
    virtual void waitUntilSent(int timeoutMs) = 0;
};

} // namespace qx
