#include "ParameterDiff.h"

#include "ParameterCaptions.h"
#include "StoredLanguage.h"

#include <QTextStream>

namespace qx {

namespace {

// A file's values as a load would apply them, or nothing after telling err
// why the load would fail. Short lines are told as the load's boxes tell
// them, and do not stop it.
std::optional<ParameterValues> loadedValues(const QString &fileName, const LanguageTable &texts, QTextStream &err)
{
    const ParameterFileAccess file = loadParameterFile(fileName);
    if (!file.ok) {
        err << "quorvantix: " << file.error << '\n';
        return std::nullopt;
    }
    const ParameterFileReading reading = readParameterFile(file.bytes, pageListEntries);
    const QString fileError = texts.text(TextKey::FileError);
    if (reading.refusedLine) {
        err << "quorvantix: " << fileError << ' ' << fileName << ':' << *reading.refusedLine << '\n';
        return std::nullopt;
    }
    for (int i = 0; i < reading.shortLines; ++i)
        err << "quorvantix: " << fileError << ' ' << fileName << '\n';
    return valuesOf(reading);
}

QString shownValue(const ComparedParameter &parameter, const std::optional<QString> &value)
{
    if (!value)
        return QStringLiteral("-");
    if (parameter.kind == ParameterFileKind::Tick)
        return *value == QLatin1String("1") ? QStringLiteral("[x]") : QStringLiteral("[ ]");
    return value->isEmpty() ? QStringLiteral("\"\"") : *value;
}

} // namespace

DiffStatus diffParameterFiles(const QString &left, const QString &right, QTextStream &out, QTextStream &err)
{
    const QList<LanguageLine> language = storedLanguageLines();
    const LanguageTable texts = storedLanguageTexts(language);
    // Both files are looked at, so one run names every file at fault.
    const auto leftValues = loadedValues(left, texts, err);
    const auto rightValues = loadedValues(right, texts, err);
    if (!leftValues || !rightValues)
        return FileTrouble;

    DiffStatus status = FilesEqual;
    for (const ComparedParameter &parameter : compareParameters(*leftValues, *rightValues, pageShowing(language))) {
        if (!parameter.differs)
            continue;
        out << parameter.code << ' ' << parameter.caption << ": " << shownValue(parameter, parameter.left) << " -> "
            << shownValue(parameter, parameter.right) << '\n';
        status = FilesDiffer;
    }
    return status;
}

} // namespace qx
