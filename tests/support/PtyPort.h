#pragma once

#include <QElapsedTimer>
#include <QSerialPort>

// The simulator's pseudo-terminal from the program's end, opened as the
// program opens a port: whatever was waiting in it dropped.
inline bool openPort(QSerialPort &port, const QString &name)
{
    port.setPortName(name);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.clear();
    return true;
}

inline void send(QSerialPort &port, const QByteArray &bytes)
{
    port.write(bytes);
    port.flush();
}

// What arrives until the expected number of bytes is there or the time is up.
inline QByteArray readReply(QSerialPort &port, int expected, int timeoutMs = 5000)
{
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (reply.size() < expected && timer.elapsed() < timeoutMs) {
        port.waitForReadyRead(10);
        reply += port.readAll();
    }
    return reply;
}
