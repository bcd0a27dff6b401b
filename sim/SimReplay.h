#pragma once

#include "DriveRecording.h"

#include <QByteArray>

namespace qxsim {

struct ReplayPosition
{
    double seconds = 0;
    double lengthSeconds = 0;
    int frame = 0;   // 1-based; 0 before the first request
    int frames = 0;
};

// A recorded drive played back to the live-data requests: each request gets
// the frame recorded nearest to the time since the first request, so the
// program sees the drive at its recorded pace. An empty recorded frame
// answers with silence.
class Replay
{
public:
    Replay(qxrec::DriveRecording recording, bool loop);

    // Starts the clock, unless it runs already: at the first request.
    void startOnce(qint64 nowMicros);
    QByteArray frameAt(qint64 nowMicros) const;
    ReplayPosition position(qint64 nowMicros) const;
    const qxrec::RecordingHeader &header() const { return recording_.header; }

private:
    qint64 elapsedMs(qint64 nowMicros) const;
    int indexAt(qint64 elapsedMs) const;

    qxrec::DriveRecording recording_;
    bool loop_;
    qint64 lengthMs_ = 0;
    qint64 startMicros_ = -1;  // the first request's time
};

// The block with what the recording's header says the controller was set to:
// probe variant, reserve sensor and the ignition that gives its RPM constant.
QByteArray blockForRecording(const qxrec::RecordingHeader &header, QByteArray block);

} // namespace qxsim
