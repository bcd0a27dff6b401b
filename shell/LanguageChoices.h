#pragma once

#include "TextKeys.h"

#include <QString>

#include <array>

namespace qx {

// The five languages the program offers, one row each, in the order of the
// language menu. The menu, the settings and the loading of a language file
// all read this table; no other file names a language.
struct LanguageChoice
{
    const char *code;           // the settings' "Lang": start-up loads this language
    const char *file;           // in lang/, and the settings' "LangNazw"
    const char *item;           // the menu item's object name
    TextKey caption;            // the entry that captions the menu item
    const char *builtInCaption; // that entry's built-in text
    const char *encoding;       // the code page the file's bytes are written in
    const char *helpFile;       // the help shown while the language is
};

const std::array<LanguageChoice, 5> &languageChoices();

// The language of a code or a file name, exactly as written (case counts);
// nullptr for any other text.
const LanguageChoice *languageOfCode(const QString &code);
const LanguageChoice *findLanguageFile(const QString &fileName);

// Polish: the built-in texts' language, chosen by a first run and by the
// default settings.
const LanguageChoice &defaultLanguage();

} // namespace qx
