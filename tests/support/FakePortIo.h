#pragma once

#include "PortIo.h"

#include <QSet>

// A port in memory: the test decides which devices exist and what the
// controller has sent; everything the program sends is kept.
class FakePortIo final : public qx::PortIo
{
public:
    bool open(const QString &device) override
    {
        ++opens;
        openNow = devices.contains(device);
        return openNow;
    }
    void close() override { openNow = false; }
    bool isOpen() const override { return openNow; }
    bool sendByte(quint8 byte) override
    {
        if (!openNow)
            return false;
        sent.append(char(byte));
        return true;
    }
    bool bytesQueued(qint64 *count) override
    {
        if (!openNow)
            return false;
        *count = incoming.size();
        return true;
    }
    QByteArray read(qint64 maxBytes) override
    {
        const QByteArray taken = incoming.left(maxBytes);
        incoming.remove(0, taken.size());
        return taken;
    }
    void waitUntilSent(int) override { ++drains; }

    QSet<QString> devices;
    QByteArray incoming;
    QByteArray sent;
    bool openNow = false;
    int opens = 0;
    int drains = 0;
};
