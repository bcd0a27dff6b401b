#include "LiveSample.h"

#include "ProtocolTables.h"
#include "ReplyBuffer.h"

#include <algorithm>

namespace qx {

LiveSample liveSample(const ReplyBuffer &reply, int bytesRead, bool answered, int controllerVersion,
                      bool temperatureSensor)
{
    const int length = liveFrameLength(controllerVersion);
    // Positions the last decode did not reach read as 0, never as −1.
    const auto byte = [&](int i) { return std::max(0, reply.ReplyByte(i)); };
    LiveSample sample;
    sample.probe = byte(0);
    sample.tps = byte(1);
    sample.temperature = byte(2);
    sample.level = byte(temperatureSensor ? 3 : 2);
    sample.period = speedPeriod(byte(4), byte(5));
    sample.stepper = byte(6);
    sample.frame.resize(reply.decodedCount());
    for (int i = 0; i < reply.decodedCount(); ++i)
        sample.frame[i] = char(reply.ReplyByte(i));
    const bool checked = controllerVersion == ChecksumVersion;
    const bool checksumHolds = !checked || liveChecksumMatches(reply);
    sample.accepted = checked ? checksumHolds : answered;
    sample.fresh = bytesRead >= length && reply.decodedCount() >= length && checksumHolds;
    return sample;
}

int speedPeriod(int lowByte, int highByte)
{
    return lowByte + 256 * highByte;
}

} // namespace qx
