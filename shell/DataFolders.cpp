#include "DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qx {

DataFolders programDataFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    // QX_INSTALLED_DATA is relative to the installed program's folder, so a
    // package unpacked under another prefix finds its data all the same.
    return {QDir::currentPath(), program, QDir::cleanPath(program + QStringLiteral("/" QX_INSTALLED_DATA))};
}

QString dataFilePath(const DataFolders &folders, const QString &relative)
{
    const QString top = relative.section(QLatin1Char('/'), 0, 0);
    for (const QString &folder : {folders.working, folders.program, folders.installed}) {
        if (!folder.isEmpty() && QFileInfo(QDir(folder).filePath(top)).isDir())
            return QDir(folder).filePath(relative);
    }
    return QDir(folders.working).filePath(relative);
}

QString dataFilePath(const QString &relative)
{
    return dataFilePath(programDataFolders(), relative);
}

bool runsInstalled(const DataFolders &folders)
{
    const QString languages = QStringLiteral("lang");
    return dataFilePath(folders, languages) == QDir(folders.installed).filePath(languages);
}

QString parameterHome(const DataFolders &folders)
{
    if (runsInstalled(folders))
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folders.working;
}

QString parameterHome()
{
    return parameterHome(programDataFolders());
}

} // namespace qx
