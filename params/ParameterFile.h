#pragma once

#include "ParameterSet.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace qx {

// Parameter files (*.qx4) carry the Parameters page from one car to another:
// ASCII lines ending in CR LF, comments starting with "#" and value lines
// "code:value", the values of the parameter catalogue in the order of their
// codes. Values travel as the page shows them: a list's index in
// decimal (-1 without a selection), a tick as "1" or "0", a field's text as is.

enum class ParameterFileKind { Comment, List, Tick, Integer, Volts };

// One line of the file as written, in file order.
struct ParameterFileRow
{
    ParameterFileKind kind;
    const char *comment = nullptr; // comment lines: the whole line, "#" included
    int code = 0;                  // value lines: 100 … 126
    Param param{-1};               // value lines: what the line carries
};

const QList<ParameterFileRow> &parameterFileRows();

// The whole file from the page's values. Characters outside printable ASCII
// are written as "?", so such a value is refused when the file is read.
QByteArray writeParameterFile(const std::function<QString(Param)> &valueOf);

// One value line to apply; value is in the page's form (ticks "1"/"0", lists
// their index in decimal, fields as the file holds them).
struct ParameterFileValue
{
    int code;
    Param param;
    ParameterFileKind kind;
    QString value;
};

// A read either refuses the whole file, naming its first bad line (1-based),
// with no values and no short lines; or gives the value lines in file order
// (apply them in turn: the last of a code wins) and how many lines were too
// short to mean anything, each worth one "Błąd w pliku" box.
struct ParameterFileReading
{
    std::optional<int> refusedLine;
    QList<ParameterFileValue> values;
    int shortLines = 0;
};

// Reads a file's bytes. Lines end at LF, a CR before it is dropped, a leading
// UTF-8 BOM is skipped and byte 26 ends the file. A line of fewer than three
// characters is short; a "#" line is a comment of any bytes; any other line is
// refused unless it starts with three digits and has a value from its fifth
// character on. Codes the file does not use are then ignored; a known code's
// value is refused unless it is well formed for its kind (listEntries gives a
// list's entry count, and a list takes -1 or one of its indices). Lines longer
// than 999 characters are refused. No value is checked against its range.
ParameterFileReading readParameterFile(const QByteArray &bytes, const std::function<int(Param)> &listEntries);

// A file access. On failure, error holds the file's absolute name, ": " and
// the system's reason.
struct ParameterFileAccess
{
    bool ok = false;
    QString error;
    QByteArray bytes; // what a load read
};

// Replaces the file in one step: a save that fails leaves the old file as it
// was and no partial file behind.
ParameterFileAccess saveParameterFile(const QString &fileName, const QByteArray &bytes);
// Regular files of up to a megabyte only: devices and pipes never end.
ParameterFileAccess loadParameterFile(const QString &fileName);

// The folder the parameter-file dialogs open in: "param" below the working
// directory (created when missing) until a file is chosen, then that file's.
class ParameterFolder
{
public:
    explicit ParameterFolder(const QString &workingDirectory);

    QString path() const;
    void remember(const QString &fileName);

private:
    QString default_;
    QString lastUsed_;
};

// The save and open dialogs for parameter files, through the dialog service.
// They give the chosen name, or an empty string on Cancel; a chosen name's
// folder is where the next dialog opens.
QString askParameterFileToSave(const QString &caption, ParameterFolder &folder);
QString askParameterFileToOpen(const QString &caption, ParameterFolder &folder);

} // namespace qx
