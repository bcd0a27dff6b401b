#include "LiveSample.h"

#include "ControllerProtocol.h"
#include "EngineSpeed.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"

#include <algorithm>

namespace qx {

LiveSample liveSample(const ReplyBuffer &reply, int bytesRead, int controllerVersion)
{
    const int length = liveFrameLength(controllerVersion);
    // Positions the last decode did not reach read as 0, never as −1.
    const auto byte = [&](int i) { return std::max(0, reply.ReplyByte(i)); };
    LiveSample sample;
    sample.probe = byte(0);
    sample.tps = byte(1);
    sample.temperature = byte(2);
    sample.period = speedPeriod(byte(4), byte(5));
    sample.stepper = byte(6);
    sample.fresh = bytesRead >= length && reply.decodedCount() >= length
            && (controllerVersion != ChecksumVersion || liveChecksumMatches(reply));
    return sample;
}

LiveSample requestLiveSample(ControllerProtocol &protocol)
{
    protocol.RequestLiveData();
    const SerialChannel &channel = protocol.channel();
    return liveSample(channel.reply(), channel.lastReadCount(), protocol.state().ControllerVersion);
}

} // namespace qx
