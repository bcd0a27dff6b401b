#pragma once

#include <QByteArray>

namespace qx {

class ReplyBuffer;

// One live-data frame as every live page, the adaptation's steps and the
// drive recording read it.
struct LiveSample
{
    int probe = 0;       // byte 0, 5 V = 255
    int tps = 0;         // byte 1, 0.05 V a step
    int temperature = 0; // byte 2, the reducer's temperature on controllers with the sensor
    int level = 0;       // the gas level: byte 3 on controllers with the sensor, else byte 2
    int period = 0;      // bytes 4 (low) and 5, the engine-speed period
    int stepper = 0;     // byte 6, 255 while the car runs on petrol
    QByteArray frame;    // the decoded positions as the controller sent them
    // The request's verdict, which the Visualisation page waits for; the
    // other live displays show whatever frame the buffer holds.
    bool accepted = false;
    // A sample that is not fresh may hold the previous frame's bytes and must
    // change no adaptation step: a silent controller would otherwise keep
    // being measured and complete steps.
    bool fresh = false;

    bool onPetrol() const { return stepper == 255; }
};

// The sample of a decoded live reply. answered: the port answered the
// request's status query within nine attempts, which is the verdict except
// on version 5, where the frame's checksum decides. Fresh only when the read
// took a whole frame (8 bytes, 9 from version 5 on) and, on version 5, the
// checksum holds.
LiveSample liveSample(const ReplyBuffer &reply, int bytesRead, bool answered, int controllerVersion,
                      bool temperatureSensor);

// The 16-bit speed period of a live frame, bytes 4 (low) and 5 (high).
int speedPeriod(int lowByte, int highByte);

} // namespace qx
