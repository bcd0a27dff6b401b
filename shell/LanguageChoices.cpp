#include "LanguageChoices.h"

#include <algorithm>

namespace qx {

namespace {

template <class Matches>
const LanguageChoice *findLanguage(Matches matches)
{
    const auto &choices = languageChoices();
    const auto found = std::find_if(choices.begin(), choices.end(), matches);
    return found != choices.end() ? &*found : nullptr;
}

} // namespace

const std::array<LanguageChoice, 5> &languageChoices()
{
    // Italian needs à, è, ì, ò and ù, which only the Western code page has.
    static const std::array<LanguageChoice, 5> choices{{
        {"PL", "polish.lng", "JPolski", TextKey::LanguagePolish, "polski", "windows-1250",
         "help/quorvantix_pl.html"},
        {"EN", "english.lng", "JAngielski", TextKey::LanguageEnglish, "angielski", "windows-1250",
         "help/quorvantix_en.html"},
        {"RU", "russian.lng", "JRosyjski", TextKey::LanguageRussian, "rosyjski", "windows-1251",
         "help/quorvantix_ru.html"},
        {"CZ", "czech.lng", "JCzeski", TextKey::LanguageCzech, "czeski", "windows-1250",
         "help/quorvantix_cz.html"},
        {"IT", "italiano.lng", "JWloski", TextKey::LanguageItalian, "wloski", "windows-1252",
         "help/quorvantix_it.html"},
    }};
    return choices;
}

const LanguageChoice *languageOfCode(const QString &code)
{
    return findLanguage([&](const LanguageChoice &c) { return code == QLatin1String(c.code); });
}

const LanguageChoice *findLanguageFile(const QString &fileName)
{
    return findLanguage([&](const LanguageChoice &c) { return fileName == QLatin1String(c.file); });
}

const LanguageChoice &defaultLanguage()
{
    return languageChoices().front();
}

} // namespace qx
