#pragma once

#include "LanguageChoices.h"
#include "SkinChoices.h"

#include <QString>

#include <optional>

namespace qx {

// The preferences kept between runs, under Quorvantix/Param of the per-user
// store: the INI file $XDG_CONFIG_HOME/Quorvantix/Quorvantix.ini (group
// [Param]), or on Windows the registry key HKEY_CURRENT_USER\Quorvantix\Param.
// No other code touches the store.
//
// The members start at the first-run values. An empty member is, when read,
// a value the store lacks or holds in a form the program does not know, so
// the preference keeps what it has; when written, a value left as stored.
struct AppSettings
{
    // "Lang": the language code start-up loads; any text.
    std::optional<QString> language = QLatin1String(defaultLanguage().code);
    // "LangNazw": the file whose language item is ticked.
    std::optional<QString> languageFile = QLatin1String(defaultLanguage().file);
    // "Port": "COM1" … "COM8" as 1 … 8.
    std::optional<int> port = 1;
    // "WielkCzcionki": which of the three smallest profiles was last ticked,
    // 0 … 2; written, never read.
    std::optional<int> smallProfile = 1;
    // "skin": the setting text of a skin.
    std::optional<QString> skin = QLatin1String(defaultSkin().setting);
    // "comments": the editor's comments are switched off.
    std::optional<bool> commentsOff = false;
    // "dimension": the remembered profile 1 … 6, or 0 for none.
    std::optional<int> dimension = 0;
};

struct AppSettingsReading
{
    AppSettings values;
    // No preferences stored yet, or a store that cannot be read: the values
    // are the first-run ones and the window takes its first-run appearance.
    bool firstRun = false;
};

// What the store holds, each value checked. A missing "Lang" reads as the
// empty text. A missing "comments", "dimension" or "skin" is written with its
// first-run value and read as it; a missing "LangNazw" is written from "Lang"
// when that names a language. A store with no values at all is a first run:
// all seven first-run values are written. A malformed INI file is first
// copied byte for byte to Quorvantix.ini.bad beside it, since Qt drops the
// lines it could not read at its next write; what Qt could read is used.
AppSettingsReading readAppSettings();

// Writes every value the settings hold; false when the store refuses.
bool writeAppSettings(const AppSettings &values);

// The language file start-up loads for the stored "Lang" code (the first-run
// code while nothing is stored), read without writing anything back; empty
// when the code names no language.
QString storedLanguageFile();

// The INI file, or on Windows the registry key, of the store.
QString appSettingsLocation();


} // namespace qx
