#include "LanguageFile.h"

#include "DataFolders.h"

#include <QStringDecoder>

#include <algorithm>

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

const std::array<LanguageFileChoice, 5> &languageFileChoices()
{
    // Italian needs à, è, ì, ò and ù, which only the Western code page has.
    static const std::array<LanguageFileChoice, 5> choices = {{
        {"polish.lng", "windows-1250", "help/quorvantix_pl.html"},
        {"english.lng", "windows-1250", "help/quorvantix_en.html"},
        {"russian.lng", "windows-1251", "help/quorvantix_ru.html"},
        {"czech.lng", "windows-1250", "help/quorvantix_en.html"},
        {"italiano.lng", "windows-1252", "help/quorvantix_en.html"},
    }};
    return choices;
}

const LanguageFileChoice *findLanguageFile(const QString &fileName)
{
    const auto &choices = languageFileChoices();
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [&](const LanguageFileChoice &c) { return fileName == QLatin1String(c.file); });
    return found != choices.end() ? &*found : nullptr;
}

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
