#pragma once

#include <QFile>
#include <QList>

#include <unistd.h>

// Figures a benchmark reads from /proc about a process or thread.
namespace stats {

// CPU seconds (user + system) from a /proc …/stat file.
inline double cpuSeconds(const QString &statFile)
{
    QFile stat(statFile);
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may itself hold spaces.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Resident memory in MB from a /proc …/status file.
inline double residentMegabytes(const QString &statusFile)
{
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace stats
