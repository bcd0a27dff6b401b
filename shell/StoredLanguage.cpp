#include "StoredLanguage.h"

#include "AppSettings.h"
#include "BuiltInTexts.h"
#include "DataFile.h"
#include "LanguageChoices.h"

namespace qx {

QList<LanguageLine> storedLanguageLines()
{
    const QString name = storedLanguageFile();
    const LanguageChoice *choice = findLanguageFile(name);
    if (!choice)
        return {};
    const DataFileRead read = readDataFile(languageFilePath(name));
    return read.ok ? readLanguageLines(read.bytes, choice->encoding) : QList<LanguageLine>();
}

LanguageTable storedLanguageTexts(const QList<LanguageLine> &lines)
{
    LanguageTable texts;
    SetBuiltInTexts(texts);
    for (const LanguageLine &line : lines) {
        if (line.kind == LanguageLine::Text && isTextKey(line.key))
            texts.setText(TextKey(line.key), line.text);
    }
    return texts;
}

} // namespace qx
