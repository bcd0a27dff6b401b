#pragma once

#include <QFile>
#include <QVector>

#include <deque>

namespace qxsim {

struct WireEvent
{
    qint64 micros;     // monotonicMicros() when the byte was read or written
    bool fromProgram;
    quint8 byte;
};

// Microseconds of a steady clock; the time base of every WireEvent.
qint64 monotonicMicros();

// Every byte that crossed the port, the newest kept in memory up to a cap,
// and optionally all of them written to a file as "micros prog|ctrl hex".
class WireLog
{
public:
    // Enough for hours of polling, small enough to run for days.
    static constexpr int Capacity = 1000000;

    bool openFile(const QString &path, QString *error);
    void append(const WireEvent &event);
    void flush();
    void clear();

    QVector<WireEvent> events() const;
    QVector<WireEvent> newest(int count) const;
    qint64 bytesFromProgram() const { return m_bytesFromProgram; }

private:
    std::deque<WireEvent> m_events;
    qint64 m_bytesFromProgram = 0;
    QFile m_file;
};

} // namespace qxsim
