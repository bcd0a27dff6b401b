#pragma once

#include "TextKeys.h"

#include <QString>

namespace qx {

class LanguageTable;

// The program's own Polish wording of the message texts, set at start-up
// before any language file replaces them.
void SetBuiltInTexts(LanguageTable &texts);
// The help texts of the parameter fields and the names of the languages.
void AssignBuiltInHelpTexts(LanguageTable &texts);
// One built-in text, for code that runs before or without a language table.
QString builtInText(TextKey key);

} // namespace qx
