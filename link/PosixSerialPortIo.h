#pragma once

#include "PortIo.h"

namespace qx {

// The port through termios. QSerialPort writes and syncs a lock file at every
// open (measured at 0.3 to 4 ms here), and the protocol opens and closes the
// port around each identification exchange, so a 20 ms exchange ran up to a
// third late. This one opens in a tenth of a millisecond and reads exactly
// what the driver has queued.
class PosixSerialPortIo final : public PortIo
{
public:
    ~PosixSerialPortIo() override;

    bool open(const QString &device) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool sendByte(quint8 byte) override;
    bool bytesQueued(qint64 *count) override;
    QByteArray read(qint64 maxBytes) override;
    void waitUntilSent(int timeoutMs) override;

private:
    int fd_ = -1;
};

// True when another program has announced the device as in use with a
// UUCP-style lock file (LCK..name) whose process still runs.
bool lockedByAnotherProgram(const QString &device);

} // namespace qx
