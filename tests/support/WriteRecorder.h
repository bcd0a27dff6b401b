#pragma once

#include "ParameterWrite.h"

#include <QRegularExpression>
#include <QStringList>

// Records what a write does, as text a test can compare: bytes in hex,
// "open"/"close", "|" for a 20 ms pause and "waitN" for another, messages
// in brackets.
class WriteRecorder final : public qx::WriteTarget
{
public:
    void openPort() override { events << "open"; }
    void closePort() override { events << "close"; }
    void send(quint8 byte) override { events << QString::asprintf("%02x", byte); }
    void pause(int ms) override { events << (ms == 20 ? QStringLiteral("|") : QString("wait%1").arg(ms)); }
    void message(const QString &caption, const QString &text) override { events << "[" + caption + ": " + text + "]"; }

    // Everything, in order.
    QString line() const { return events.join(' '); }
    // The bytes alone.
    QString bytes() const
    {
        QStringList out;
        for (const QString &e : events)
            if (e.size() == 2)
                out << e;
        return out.join(' ');
    }
    QStringList messages() const { return events.filter(QRegularExpression("^\\[")); }

    QStringList events;
};
