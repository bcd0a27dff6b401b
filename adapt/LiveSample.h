#pragma once

namespace qx {

class ControllerProtocol;
class ReplyBuffer;

// One live-data reply as the adaptation steps read it. A sample that is not
// fresh may hold the previous frame's bytes and must change nothing: a
// silent controller would otherwise keep being measured and complete steps.
struct LiveSample
{
    int probe = 0;        // byte 0, 5 V = 255
    int tps = 0;          // byte 1, 0.05 V a step
    int temperature = 0;  // byte 2
    int period = 0;       // bytes 4 (low) and 5, the engine-speed period
    int stepper = 0;      // byte 6, 255 while the car runs on petrol
    bool fresh = false;
};

// The sample of a decoded live reply. Fresh only when the read that brought
// it took a whole frame (8 bytes, 9 from version 5 on) and, on version 5,
// the frame's checksum holds.
LiveSample liveSample(const ReplyBuffer &reply, int bytesRead, int controllerVersion);

// One live-data request on the protocol's channel, as a sample.
LiveSample requestLiveSample(ControllerProtocol &protocol);

} // namespace qx
