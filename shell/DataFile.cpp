#include "DataFile.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

// These files are a few kilobytes; anything far larger is not one of them.
constexpr qint64 MaxFileBytes = 1 << 20;

DataFileRead failed(const QString &fileName, const QString &reason)
{
    return {false, QFileInfo(fileName).absoluteFilePath() + QStringLiteral(": ") + reason, {}};
}

} // namespace

DataFileRead readDataFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return failed(fileName, QStringLiteral("Not a regular file"));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fileName, file.errorString());
    if (file.size() > MaxFileBytes)
        return failed(fileName, QStringLiteral("File too large"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(fileName, file.errorString());
    return {true, {}, bytes};
}

} // namespace qx
