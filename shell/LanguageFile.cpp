#include "LanguageFile.h"

#include "DataFolders.h"

#include <QStringDecoder>

namespace qx {

namespace {

constexpr qsizetype KeyLength = 5;
constexpr qsizetype TextStart = 6;

LanguageLine parseLanguageLine(const FileLine &line, QStringDecoder &decoder)
{
    if (line.isShort() || line.isTooLong())
        return {};
    const QByteArrayView bytes(line.text);
    if (bytes.startsWith('#'))
        return {LanguageLine::Comment, 0, {}};
    const auto key = fileInteger(bytes.first(KeyLength));
    if (!key)
        return {};
    // A CR left inside, as from a file whose line ends were converted twice,
    // would break the text where it is shown.
    QString text = decoder.decode(bytes.sliced(qMin(TextStart, bytes.size())));
    text.remove(QLatin1Char('\r'));
    return {LanguageLine::Text, *key, text};
}

} // namespace

QString languageFilePath(const QString &fileName)
{
    return dataFilePath(QStringLiteral("lang/") + fileName);
}

QList<LanguageLine> readLanguageLines(QByteArrayView bytes, const QByteArray &encoding)
{
    // Stateless: each text is decoded on its own.
    QStringDecoder decoder(encoding.constData(), QStringDecoder::Flag::Stateless);
    QList<LanguageLine> lines;
    for (const FileLine &line : readFileLines(bytes))
        lines.append(parseLanguageLine(line, decoder));
    return lines;
}

} // namespace qx
