#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

// A data file laid beside the program (a skin, a language). On failure,
// error holds the file's absolute name, ": " and the system's reason.
struct DataFileRead
{
    bool ok = false;
    QString error;
    QByteArray bytes;
};

// Regular files of up to a megabyte only: devices and pipes never end.
DataFileRead readDataFile(const QString &fileName);

} // namespace qx
