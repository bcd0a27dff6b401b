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

inline QByteArray bytes(const QVector<qxsim::WireEvent> &events)
{
    QByteArray out;
    for (const auto &e : events)
        out.append(char(e.byte));
    return out;
}

} // namespace wire
