#include "ParameterFile.h"

#include "DataFile.h"
#include "DialogService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace qx {

namespace {

using Kind = ParameterFileKind;

Kind fileKind(FieldKind control)
{
    switch (control) {
    case FieldKind::List: return Kind::List;
    case FieldKind::Box: return Kind::Tick;
    case FieldKind::DecimalField: return Kind::Volts;
    case FieldKind::IntField: return Kind::Integer;
    }
    return Kind::Integer;
}

constexpr int MaxLineLength = 999;
// A parameter file is under a kilobyte; anything far larger is not one.
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An optional "-" and one to nine digits, so the number fits an int.
std::optional<int> wholeNumber(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    int number = 0;
    for (char c : digits)
        number = number * 10 + (c - '0');
    return negative ? -number : number;
}

// A line's code: its first three characters as an integer reader takes them,
// leading spaces and a sign allowed (" 99", "-12", "+5").
std::optional<int> lineCode(QByteArrayView firstThree)
{
    QByteArrayView text = firstThree;
    while (text.startsWith(' '))
        text = text.sliced(1);
    if (text.startsWith('+'))
        text = text.sliced(1);
    return wholeNumber(text);
}

// Digits with at most one decimal comma; the field's leave check judges the rest.
bool isVoltsText(QByteArrayView text)
{
    const auto digits = std::count_if(text.begin(), text.end(), isDigit);
    const auto commas = std::count(text.begin(), text.end(), ',');
    return digits > 0 && commas <= 1 && digits + commas == text.size();
}

const ParameterFileRow *rowForCode(int code)
{
    const auto &rows = parameterFileRows();
    const auto row = std::find_if(rows.begin(), rows.end(), [code](const ParameterFileRow &r) {
        return r.kind != Kind::Comment && r.code == code;
    });
    return row == rows.end() ? nullptr : &*row;
}

// The value in the page's form, or nothing when it is not well formed for its kind.
std::optional<QString> pageValue(const ParameterFileRow &row, QByteArrayView text,
                                 const std::function<int(Param)> &listEntries)
{
    switch (row.kind) {
    case Kind::List: {
        const auto index = wholeNumber(text);
        if (!index || *index < -1 || *index >= listEntries(row.param))
            return std::nullopt;
        return QString::number(*index);
    }
    case Kind::Tick: {
        const auto number = wholeNumber(text);
        if (!number)
            return std::nullopt;
        return QString::fromLatin1(*number != 0 ? "1" : "0");
    }
    case Kind::Integer:
        if (!wholeNumber(text))
            return std::nullopt;
        return QString::fromLatin1(text);
    case Kind::Volts:
        if (!isVoltsText(text))
            return std::nullopt;
        return QString::fromLatin1(text);
    case Kind::Comment:
        break;
    }
    return std::nullopt;
}

QByteArray asciiText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes += c.unicode() >= 0x20 && c.unicode() < 0x7F ? char(c.unicode()) : '?';
    return bytes;
}

ParameterFileReading refusal(int lineNumber)
{
    ParameterFileReading reading;
    reading.refusedLine = lineNumber;
    return reading;
}

ParameterFileAccess failed(const QString &fileName, const QString &reason)
{
    return {false, QFileInfo(fileName).absoluteFilePath() + QStringLiteral(": ") + reason, {}};
}

QString askParameterFile(QString (DialogService::*choose)(const FileDialogRequest &), const QString &caption,
                         ParameterFolder &folder)
{
    const FileDialogRequest request{caption, folder.path(), QStringLiteral("Pliki Quorvantix (*.qx4)"),
                                    QStringLiteral("qx4")};
    const QString name = (DialogService::instance().*choose)(request);
    folder.remember(name);
    return name;
}

} // namespace

const QList<ParameterFileRow> &parameterFileRows()
{
    static const QList<ParameterFileRow> rows = [] {
        std::vector<const ParameterEntry *> filed;
        for (const ParameterEntry &entry : parameterCatalogue()) {
            if (entry.fileCode)
                filed.push_back(&entry);
        }
        std::sort(filed.begin(), filed.end(),
                  [](const ParameterEntry *a, const ParameterEntry *b) { return a->fileCode < b->fileCode; });
        QList<ParameterFileRow> lines;
        for (const ParameterEntry *entry : filed) {
            if (entry->fileComment)
                lines.append({Kind::Comment, entry->fileComment});
            lines.append({fileKind(entry->control.kind), nullptr, entry->fileCode, entry->param});
        }
        return lines;
    }();
    return rows;
}

QByteArray writeParameterFile(const std::function<QString(Param)> &valueOf)
{
    QByteArray bytes;
    for (const ParameterFileRow &row : parameterFileRows()) {
        if (row.kind == Kind::Comment)
            bytes += row.comment;
        else
            bytes += QByteArray::number(row.code) + ':' + asciiText(valueOf(row.param));
        bytes += "\r\n";
    }
    return bytes;
}

ParameterFileReading readParameterFile(const QByteArray &bytes, const std::function<int(Param)> &listEntries)
{
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    // Old DOS editors close a text file with Ctrl+Z.
    if (const qsizetype end = data.indexOf('\x1A'); end >= 0)
        data = data.first(end);

    ParameterFileReading reading;
    int lineNumber = 0;
    for (qsizetype start = 0; start < data.size();) {
        ++lineNumber;
        const qsizetype lf = data.indexOf('\n', start);
        const qsizetype end = lf < 0 ? data.size() : lf;
        QByteArrayView line = data.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);

        if (line.size() > MaxLineLength)
            return refusal(lineNumber);
        if (line.size() < 3) {
            ++reading.shortLines;
            continue;
        }
        if (line.front() == '#')
            continue;
        const std::optional<int> code = lineCode(line.first(3));
        if (!code)
            return refusal(lineNumber);
        // A code the program does not use is passed over whatever follows it.
        const ParameterFileRow *row = rowForCode(*code);
        if (!row)
            continue;
        if (line.size() < 5)
            return refusal(lineNumber);
        const auto text = pageValue(*row, line.sliced(4), listEntries);
        if (!text)
            return refusal(lineNumber);
        reading.values.append({row->code, row->param, row->kind, *text});
    }
    return reading;
}

ParameterFileAccess saveParameterFile(const QString &fileName, const QByteArray &bytes)
{
    // Until commit() the bytes go to a temporary beside the file; an unfinished
    // save throws it away.
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {true, {}, {}};
    return failed(fileName, file.errorString());
}

ParameterFileAccess loadParameterFile(const QString &fileName)
{
    const DataFileRead file = readDataFile(fileName);
    return {file.ok, file.error, file.bytes};
}

ParameterFolder::ParameterFolder(const QString &workingDirectory)
    : default_(QDir(workingDirectory).absoluteFilePath(QStringLiteral("param")))
{
}

QString ParameterFolder::path() const
{
    if (!lastUsed_.isEmpty())
        return lastUsed_;
    // A fresh installation has no folder yet; the dialogs should still start there.
    QDir().mkpath(default_);
    return default_;
}

void ParameterFolder::remember(const QString &fileName)
{
    if (!fileName.isEmpty())
        lastUsed_ = QFileInfo(fileName).absolutePath();
}

QString askParameterFileToSave(const QString &caption, ParameterFolder &folder)
{
    return askParameterFile(&DialogService::saveFileName, caption, folder);
}

QString askParameterFileToOpen(const QString &caption, ParameterFolder &folder)
{
    return askParameterFile(&DialogService::openFileName, caption, folder);
}

} // namespace qx
