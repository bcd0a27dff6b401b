#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace qx {

// Keeps a second copy of the program from running. The guard is a lock file
// that the system releases with its process however that process ends, so a
// copy that crashed or was killed never blocks the next start.
class SingleInstance
{
public:
    // Takes the guard named name in folder; alreadyRunning() tells whether
    // another live process holds it.
    SingleInstance(const QString &folder, const QString &name);
    ~SingleInstance();

    bool alreadyRunning() const { return alreadyRunning_; }
    // The guard could not be taken for another reason (a folder that cannot
    // be written): the program runs without it.
    bool unguarded() const { return unguarded_; }

    // The folder of the program's own guard: the per-user configuration folder.
    static QString defaultFolder();

private:
    std::unique_ptr<QLockFile> lock_;
    bool alreadyRunning_ = false;
    bool unguarded_ = false;
};

} // namespace qx
