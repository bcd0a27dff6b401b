#pragma once

#include "DriveRecording.h"

#include <QString>

namespace qx {

// The Visualisation page's drive recording: a dated CSV file in the
// per-user data folder's recordings/, one line a poll. It only writes what
// the polls already got, so it never touches the wire or the polling's pace.
class DriveRecorder
{
public:
    static QString defaultFolder();

    // Starts a new file; false with a reason when it cannot be created.
    bool start(const qxrec::RecordingHeader &header, QString *error);
    // Adds a poll (an empty frame: no reply). False when writing failed:
    // the recording has then stopped, see errorString().
    bool record(const QByteArray &frame, const qxrec::ShownValues &shown);
    // Writes out the rest and closes the file; nothing when not recording.
    void stop();

    bool isRecording() const { return writer_.isOpen(); }
    qint64 elapsedMs() const;
    QString fileName() const { return writer_.fileName(); }
    QString errorString() const { return writer_.errorString(); }

    // The next recording goes to this file instead of a dated one; tests
    // point it at a file that fails.
    void setNextPath(const QString &path) { nextPath_ = path; }

private:
    QString newPath(QString *error);

    qxrec::DriveRecordingWriter writer_;
    qint64 startedAtMs_ = 0;
    QString nextPath_;
};

} // namespace qx
