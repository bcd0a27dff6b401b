#pragma once

#include "Simulator.h"

#include <QByteArray>
#include <QVector>

// Reading the simulator's wire log in tests.
namespace wire {

inline QVector<qxsim::WireEvent> sentBy(bool program, const QVector<qxsim::WireEvent> &log)
{
    QVector<qxsim::WireEvent> out;
    for (const auto &e : log)
        if (e.fromProgram == program)
            out.append(e);
    return out;
}

inline QVector<qxsim::WireEvent> fromProgram(const QVector<qxsim::WireEvent> &log)
{
    return sentBy(true, log);
}

inline QVector<qxsim::WireEvent> fromController(const QVector<qxsim::WireEvent> &log)
{
    return sentBy(false, log);
}

// How many bytes 02, the live-data request, the program sent in the log. A
// 02 inside a longer command counts as well, so tests count the requests of
// stretches where the program polls and sends nothing else.
inline int liveRequests(const QVector<qxsim::WireEvent> &log)
{
    int requests = 0;
    for (const auto &e : log)
        requests += e.fromProgram && e.byte == 2;
    return requests;
}

inline QByteArray bytes(const QVector<qxsim::WireEvent> &events)
{
    QByteArray out;
    for (const auto &e : events)
        out.append(char(e.byte));
    return out;
}

} // namespace wire
