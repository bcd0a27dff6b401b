#pragma once

#include "LanguageFile.h"
#include "ParameterComparison.h"

namespace qx {

// The Parameters page's captions and list entries from the parameter
// catalogue, without the page, for what runs with no window.

// The entry count of the page's list that shows a parameter; 0 for one no
// list shows.
int pageListEntries(Param param);

// Captions and list entries as the page shows them once a language file's
// lines have replaced its built-in texts. A second field of a pair goes by
// the pair's caption.
ParameterShowing pageShowing(const QList<LanguageLine> &language);

} // namespace qx
