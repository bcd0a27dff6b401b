#pragma once

#include "Simulator.h"

#include <QByteArray>
#include <QVector>

// Reading the simulator's wire log in tests.
namespace wire {

inline QVector<qxsim::WireEvent> fromProgram(const QVector<qxsim::WireEvent> &log)
{
    QVector<qxsim::WireEvent> out;
    for (const auto &e : log)
        if (e.fromProgram)
            out.append(e);
    return out;
}

inline QByteArray bytes(const QVector<qxsim::WireEvent> &events)
{
    QByteArray out;
    for (const auto &e : events)
        out.append(char(e.byte));
    return out;
}

// Milliseconds between consecutive events.
inline QVector<double> gapsMs(const QVector<qxsim::WireEvent> &events)
{
    QVector<double> out;
    for (int i = 1; i < events.size(); ++i)
        out.append((events[i].micros - events[i - 1].micros) / 1000.0);
    return out;
}

} // namespace wire
