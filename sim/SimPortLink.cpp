#include "SimPortLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qxsim {

QString PortLink::portsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quorvantix/ports");
}

bool PortLink::create(const QString &portName, const QString &devicePath, QString *error)
{
    remove();
    const QString folder = portsFolder();
    const QString path = folder + QLatin1Char('/') + portName;
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QFile::remove(path);
    if (!QFile::link(devicePath, path)) {
        *error = QStringLiteral("cannot link %1 to %2").arg(path, devicePath);
        return false;
    }
    m_path = path;
    m_target = devicePath;
    return true;
}

void PortLink::remove()
{
    if (m_path.isEmpty())
        return;
    if (QFileInfo(m_path).symLinkTarget() == m_target)
        QFile::remove(m_path);
    m_path.clear();
    m_target.clear();
}

} // namespace qxsim
