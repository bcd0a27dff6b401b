#pragma once

#include "Simulator.h"

#include <QTextStream>

// The simulated controller on com1 with the engine running at 2500 rpm: the
// car the window's benchmarks watch. False, with the reason printed, when the
// simulator cannot start.
inline bool startRunningCar(qxsim::Simulator &sim, QTextStream &out)
{
    if (!sim.start(QStringLiteral("com1"))) {
        out << "simulator: " << sim.errorString() << "\n";
        return false;
    }
    sim->car().setEngineRunning(true);
    sim->car().setTargetRpm(2500);
    return true;
}

// The live-data requests (byte 02) the program sent since the wire log was cleared.
inline int liveRequests(const qxsim::Simulator &sim)
{
    int polls = 0;
    for (const auto &e : sim.wireLog())
        polls += e.fromProgram && e.byte == 2;
    return polls;
}
