#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>

#include <optional>

namespace qxrec {

// What the frames of a recording depend on: the version decides the frame's
// length and checksum, the rest how the program turns bytes into values.
struct RecordingHeader
{
    int controllerVersion = 0;
    int rpmConstant = 0;
    QString probeVariant;
    QString reserveSensorType;
    bool temperatureSupported = false;

    bool operator==(const RecordingHeader &other) const;
};

// The values the Visualisation page showed for a frame, as shown.
struct ShownValues
{
    QString speed;
    QString lambdaVolts;
    QString tpsVolts;
    QString stepper;
    QString temperature;
    QString gasLevel;
    QString fuel;

    bool operator==(const ShownValues &other) const;
};

// One poll: its time since the recording started and the frame it got;
// an empty frame is a poll that got no usable reply.
struct RecordedPoll
{
    qint64 ms = 0;
    QByteArray frame;
    ShownValues shown;

    bool operator==(const RecordedPoll &other) const;
};

struct DriveRecording
{
    RecordingHeader header;
    QVector<RecordedPoll> polls;

    // Reads a whole recording. On failure returns nothing and sets the
    // 1-based number of the first bad line and the reason.
    static std::optional<DriveRecording> parse(const QByteArray &text, int *badLine, QString *reason);
    // The same from a file, as far as its last whole line (a recording still
    // being written); the message is "FILE:LINE: reason".
    static std::optional<DriveRecording> load(const QString &path, QString *message);
};

// Writes a recording as it happens. Lines gather in memory and reach the
// file at most once a second, so a poll never waits on the disk for long,
// and a crash loses at most the last second.
class DriveRecordingWriter
{
public:
    static constexpr int FlushIntervalMs = 1000;

    DriveRecordingWriter() = default;
    ~DriveRecordingWriter() { close(); }
    DriveRecordingWriter(const DriveRecordingWriter &) = delete;
    DriveRecordingWriter &operator=(const DriveRecordingWriter &) = delete;

    bool open(const QString &path, const RecordingHeader &header, QString *error);
    // Adds one poll; writes out what gathered once a second has passed.
    // False once writing failed: the file is then closed, see errorString().
    bool append(const RecordedPoll &poll);
    // Writes out what is left and closes the file; false if that failed.
    bool close();
    bool isOpen() const { return file_.isOpen(); }
    QString errorString() const { return error_; }
    QString fileName() const { return file_.fileName(); }

private:
    bool writeOut();

    QFile file_;
    QByteArray pending_;
    qint64 flushedAtMs_ = 0;  // the poll time of the last write-out
    QString error_;
};

} // namespace qxrec
