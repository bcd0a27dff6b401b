#pragma once

#include <QByteArray>

namespace qxsim {

struct CarState;
class ParameterBlock;

// The reply to the live-data request for the car as it is now: 8 bytes
// before controller version 5, 9 from it on.
//   0     lambda probe, 5 V = 255
//   1     TPS, 0.05 V steps
//   2, 3  version 4 on: reducer temperature, gas level; before: gas level, 0
//   4, 5  engine speed period, low byte first; 0 while the engine stands
//   6     stepper, inverted: 255 = closed (petrol)
//   7     9-byte frames: sum of bytes 0 to 6 modulo 256; 8-byte frames: 0
//   8     0
QByteArray liveFrame(const CarState &car, int version, const ParameterBlock &block);
int liveFrameLength(int version);

quint16 speedPeriod(double rpm, int rpmConstant);
// Thermometer reading 110 + °C / 1.9, within the sensor's 96..155.
quint8 temperatureByte(double celsius);
// The 90R glass reads 0 (empty) to 40 (full); the 20K glass runs the other
// way, 250 when empty. Either way the program shows a half-full tank as 50 %.
quint8 gasLevelByte(double percent, bool sensor20K);
// The probe reading, 5 V = 255: the car's own probe, or with ProbeKind::Auto
// the kind the controller's probe range names, inverted when it is set so.
quint8 probeByte(const CarState &car, const ParameterBlock &block);
quint8 frameChecksum(const QByteArray &frame);

} // namespace qxsim
