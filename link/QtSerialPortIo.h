#pragma once

#include "PortIo.h"

#include <QSerialPort>

namespace qx {

class QtSerialPortIo final : public PortIo
{
public:
    bool open(const QString &device) override;
    void close() override;
    bool isOpen() const override;
    bool sendByte(quint8 byte) override;
    bool bytesQueued(qint64 *count) override;
    QByteArray read(qint64 maxBytes) override;
    void waitUntilSent(int timeoutMs) override;

private:
    // A vanished device (USB adapter pulled, simulator gone) shows as a
    // resource error; the port is closed so nothing keeps polling a dead handle.
    void closeIfGone();

    QSerialPort port_;
};

} // namespace qx
