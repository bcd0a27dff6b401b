#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace qx {

// The folder of as-found copies in the user's data folder, named by the time
// of the read and the controller's version: 2026-12-07_10-41-03_v8.qx4.
class AsFoundFolder
{
public:
    static constexpr int KeptNewest = 200;
    static constexpr int KeptDays = 30;

    // "as-found" in the per-user data folder (on Linux below $XDG_DATA_HOME).
    static QString defaultPath();

    explicit AsFoundFolder(QString path = defaultPath());
    QString path() const { return path_; }

    static QString fileName(const QDateTime &when, int version);

    // Saves a copy whole or not at all, never over an existing file (a name
    // taken gets "_2", "_3", …), then lets old copies go. The saved file's
    // path, or an empty string with the reason in *error.
    QString save(const QByteArray &bytes, const QDateTime &when, int version, QString *error) const;

    // Keeps the newest copies and every copy whose name is less than the
    // kept days old; other files in the folder are never touched.
    void prune(const QDate &today) const;

private:
    QString path_;
};

} // namespace qx
