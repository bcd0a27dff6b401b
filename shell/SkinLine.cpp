#include "SkinLine.h"

namespace qx {

namespace {

constexpr qsizetype KeyLength = 5;
constexpr qsizetype ValueStart = 6;

} // namespace

SkinLine parseSkinLine(const FileLine &line)
{
    if (line.isShort() || line.isTooLong())
        return {};
    const QByteArrayView text(line.text);
    if (text.startsWith('#'))
        return {SkinLine::Comment};
    const auto key = fileInteger(text.first(KeyLength));
    const auto value = fileInteger(text.sliced(qMin(ValueStart, text.size())));
    if (!key || !value)
        return {};
    return {SkinLine::Setting, *key, *value};
}

QList<SkinLine> readSkinLines(QByteArrayView bytes)
{
    QList<SkinLine> lines;
    for (const FileLine &line : readFileLines(bytes))
        lines.append(parseSkinLine(line));
    return lines;
}

} // namespace qx
