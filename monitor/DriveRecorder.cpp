#include "DriveRecorder.h"

#include "Pause.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace qx {

QString DriveRecorder::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recordings");
}

QString DriveRecorder::newPath(QString *error)
{
    if (!nextPath_.isEmpty())
        return std::exchange(nextPath_, QString());
    const QString folder = defaultFolder();
    if (!QDir().mkpath(folder)) {
        *error = folder;
        return QString();
    }
    // Two recordings started within one second get a number after the time.
    const QString stem = folder + QLatin1Char('/') + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString path = stem + QStringLiteral(".csv");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("_%1.csv").arg(n);
    return path;
}

bool DriveRecorder::start(const qxrec::RecordingHeader &header, QString *error)
{
    stop();
    const QString path = newPath(error);
    if (path.isEmpty())
        return false;
    if (!writer_.open(path, header, error)) {
        *error = path + QStringLiteral(": ") + *error;
        return false;
    }
    startedAtMs_ = clockMs();
    return true;
}

bool DriveRecorder::record(const QByteArray &frame, const qxrec::ShownValues &shown)
{
    return writer_.append({elapsedMs(), frame, shown});
}

qint64 DriveRecorder::elapsedMs() const
{
    return clockMs() - startedAtMs_;
}

void DriveRecorder::stop()
{
    writer_.close();
}

} // namespace qx
