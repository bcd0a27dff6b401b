#include "AsFoundFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace qx {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// The date a copy's name carries; invalid for a file that is not a copy.
QDate nameDate(const QString &name)
{
    static const QRegularExpression copyName(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})_\\d{2}-\\d{2}-\\d{2}_v\\d+(_\\d+)?\\.qx4$"));
    const QRegularExpressionMatch match = copyName.match(name);
    return match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
}

} // namespace

QString AsFoundFolder::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/as-found");
}

AsFoundFolder::AsFoundFolder(QString path) : path_(std::move(path)) {}

QString AsFoundFolder::fileName(const QDateTime &when, int version)
{
    return when.toString(TimeFormat) + QStringLiteral("_v%1.qx4").arg(version);
}

QString AsFoundFolder::save(const QByteArray &bytes, const QDateTime &when, int version, QString *error) const
{
    const QDir dir(path_);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QDir::toNativeSeparators(path_) + QStringLiteral(": ") + qt_error_string();
        return QString();
    }
    const QString name = fileName(when, version);
    QString target = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = dir.filePath(QString(name).insert(name.size() - 4, QStringLiteral("_%1").arg(n)));

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QDir::toNativeSeparators(target) + QStringLiteral(": ") + file.errorString();
        return QString();
    }
    prune(when.date());
    return target;
}

void AsFoundFolder::prune(const QDate &today) const
{
    QStringList copies;
    for (const QString &name : QDir(path_).entryList(QDir::Files)) {
        if (nameDate(name).isValid())
            copies << name;
    }
    // The names sort as the times they carry.
    std::sort(copies.begin(), copies.end(), std::greater<>());
    for (qsizetype i = KeptNewest; i < copies.size(); ++i) {
        if (nameDate(copies[i]).daysTo(today) >= KeptDays)
            QFile::remove(QDir(path_).filePath(copies[i]));
    }
}

} // namespace qx
