#pragma once

#include "LiveSample.h"

#include <QByteArray>

// Live frames as a version-8 controller sends them: probe, TPS, temperature,
// gas level, the engine-speed period (low byte first), stepper, the sum of
// bytes 0 to 6, 0.
inline QByteArray liveFrame(int probe, int tps, int temperature, int period, int stepper = 100)
{
    QByteArray f(9, '\0');
    f[0] = char(probe);
    f[1] = char(tps);
    f[2] = char(temperature);
    f[3] = char(0x6e);
    f[4] = char(period & 0xFF);
    f[5] = char(period >> 8);
    f[6] = char(stepper);
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += quint8(f[i]);
    f[7] = char(sum & 0xFF);
    return f;
}

// The same values as the adaptation steps take them from a decoded frame;
// a stale sample is one they must not measure.
inline qx::LiveSample fresh(int probe, int tps, int temperature, int period, int stepper = 0)
{
    qx::LiveSample s;
    s.probe = probe;
    s.tps = tps;
    s.temperature = temperature;
    s.period = period;
    s.stepper = stepper;
    s.fresh = true;
    return s;
}
inline qx::LiveSample stale(int probe, int tps, int temperature, int period, int stepper = 0)
{
    qx::LiveSample s = fresh(probe, tps, temperature, period, stepper);
    s.fresh = false;
    return s;
}

// Periods at "4 cylindry" (4800 per turn).
constexpr int Idle800 = 4800;
constexpr int At2000 = 1920;
constexpr int At2400 = 1600;
constexpr int At3200 = 1200;
