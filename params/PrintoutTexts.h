#pragma once

#include <QString>

namespace qx {

class ParameterSet;
class ParametersPage;
class PrintingPage;

// Where the printing page takes its texts from.
struct PrintoutSources
{
    // The Parameters command's caption, which heads the sheet.
    QString menuCaption;
    const ParametersPage &parametersPage;
    const ParameterSet &parameters;
    // The RPM page's ignition list: its caption and selected entry.
    QString ignitionCaption;
    QString ignitionEntry;
    // The set holds real values rather than the start-up zeros; until then
    // the value labels keep what they show.
    bool valuesKnown;
};

// The heading and captions follow the texts the pages show now (so the
// language); the values are the stored parameters, not unsaved edits.
void RefreshPrintoutTexts(PrintingPage &printout, const PrintoutSources &sources);

// A menu caption as shown: "&" marks the shortcut letter, "&&" is an "&".
QString withoutMnemonic(const QString &caption);

} // namespace qx
