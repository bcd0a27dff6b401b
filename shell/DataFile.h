#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

// A file the program reads whole (a skin, a language, a parameter file). On
// failure, error holds the file's absolute name, ": " and the system's reason.
struct DataFileRead
{
    bool ok = false;
    QString error;
    QByteArray bytes;
};

// Regular files of up to a megabyte only: devices and pipes never end, and
// none of these files is anywhere near that size.
DataFileRead readDataFile(const QString &fileName);

} // namespace qx
