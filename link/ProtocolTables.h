#pragma once

#include <QString>

namespace qx {

class ReplyBuffer;

// The commands that set no parameter, by name; a parameter's own command is
// in its row of the parameter catalogue. Argument meanings belong to the code
// that sends each of them.
namespace Cmd {
constexpr quint8 Version = 1;
constexpr quint8 LiveData = 2;
constexpr quint8 ParameterBlock = 9;
constexpr quint8 CloseBlock = 0x0A;
constexpr quint8 Flags = 11;
constexpr quint8 IgnitionType = 31;
constexpr quint8 AnalogThresholdRead = 0x22;
constexpr quint8 AnalogThresholdWrite = 0x23;
constexpr quint8 OpenBlock = 0xAA;
} // namespace Cmd

// How many argument bytes follow each command byte; the controller splits the
// stream by these counts. -1 for a byte that is no command.
int commandArgumentCount(quint8 command);

// Ignition type as the parameter block carries it, with the constant that
// turns a speed period into RPM and the entry the ignition list shows.
struct IgnitionType
{
    int code;          // 0 … 5, or 6 for anything else
    int rpmConstant;
    int listIndex;
};

IgnitionType ignitionTypeFromWord(int word);
// The RPM constant of an entry of an ignition list; 0 for no entry.
int rpmConstantForIgnitionIndex(int index);
// Entries of the ignition list; command 31 carries one of them.
constexpr int IgnitionListEntries = 6;
// The probe variant "0" … "4" from the probe-range byte and the flag byte.
QString probeVariantFrom(int probeRange, int flags);
// Frame length of the live-data reply for a controller version.
int liveFrameLength(int controllerVersion);
// The version-5 check on a decoded live reply: bytes 0 … 6 add up (mod 256) to byte 7.
bool liveChecksumMatches(const ReplyBuffer &reply);

constexpr int FirstTempSensorVersion = 4;
constexpr int ChecksumVersion = 5;
constexpr int FirstAnalogVersion = 8;
constexpr int ReversedProbeBit = 0x02;

} // namespace qx
