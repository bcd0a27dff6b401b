#pragma once

#include "LanguageFile.h"
#include "LanguageTable.h"

namespace qx {

// The lines of the language the settings name, read as the window reads it at
// start-up; none when it cannot be read. For what speaks to the fitter with
// no window yet: the command-line modes, the single-instance message.
QList<LanguageLine> storedLanguageLines();

// The built-in message texts with those lines' texts over them.
LanguageTable storedLanguageTexts(const QList<LanguageLine> &lines = storedLanguageLines());

} // namespace qx
