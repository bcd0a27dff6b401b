#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace qx {

SingleInstance::SingleInstance(const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    // A lock whose process is gone is stale and taken over at once; a live
    // holder is never considered stale, however long it runs.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return;
    // Only a lock held by another live copy keeps this one from starting.
    alreadyRunning_ = lock_->error() == QLockFile::LockFailedError;
    unguarded_ = !alreadyRunning_;
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quorvantix");
}

} // namespace qx
