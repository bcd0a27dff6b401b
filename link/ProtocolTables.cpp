#include "ProtocolTables.h"

#include "ReplyBuffer.h"

namespace qx {

namespace {

struct CommandShape
{
    quint8 command;
    int argumentCount;
};

constexpr CommandShape commandShapes[] = {
    {Cmd::Version, 0},     {Cmd::LiveData, 0},           {Cmd::ParameterBlock, 0},
    {Cmd::CloseBlock, 0},  {Cmd::Flags, 1},              {Cmd::IgnitionType, 2},
    {Cmd::OpenBlock, 0},   {Cmd::AnalogThresholdRead, 0}, {Cmd::AnalogThresholdWrite, 1},
    // The parameters' commands.
    {5, 1},  {6, 4},  {7, 1},  {8, 2},  {15, 1}, {18, 2}, {19, 1}, {20, 2}, {21, 2},
    {22, 2}, {23, 1}, {24, 2}, {25, 1}, {26, 4}, {27, 1}, {28, 2}, {30, 1}, {32, 2},
};

} // namespace

int commandArgumentCount(quint8 command)
{
    for (const CommandShape &shape : commandShapes) {
        if (shape.command == command)
            return shape.argumentCount;
    }
    return -1;
}


IgnitionType ignitionTypeFromWord(int word)
{
    // "5 cylindry" uses 4000, not 19200 / 5; the fallback keeps 4800 with entry 3.
    static constexpr IgnitionType known[] = {
        {0, 19200, 0}, {1, 9600, 1}, {2, 4800, 2}, {3, 4000, 3}, {4, 3200, 4}, {5, 2400, 5},
    };
    if (word >= 0 && word <= 5)
        return known[word];
    return {6, 4800, 3};
}

QString probeVariantFrom(int probeRange, int flags)
{
    const bool reversed = flags & ReversedProbeBit;
    switch (probeRange) {
    case 0: return reversed ? QStringLiteral("2") : QStringLiteral("1");
    case 1: return reversed ? QStringLiteral("4") : QStringLiteral("0");
    case 2: return QStringLiteral("3");
    default: return QStringLiteral("0");
    }
}

int rpmConstantForIgnitionIndex(int index)
{
    return index >= 0 && index < IgnitionListEntries ? ignitionTypeFromWord(index).rpmConstant : 0;
}

int liveFrameLength(int controllerVersion)
{
    return controllerVersion < ChecksumVersion ? 8 : 9;
}

bool liveChecksumMatches(const ReplyBuffer &reply)
{
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += reply.ReplyByte(i);
    return sum % 256 == reply.ReplyByte(7);
}

} // namespace qx
