#include "ProtocolTables.h"

#include "ReplyBuffer.h"

namespace qx {

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
