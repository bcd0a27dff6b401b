#include "PrintoutTexts.h"

#include "ParameterSet.h"
#include "ParametersPage.h"
#include "PrintingPage.h"

#include <optional>

namespace qx {

namespace {

// Row 22, the ignition, is the RPM page's; row 23 shows the switch
// temperature under the live temperature's caption.
constexpr int IgnitionRow = 22;
constexpr int TemperatureRow = 23;

QString valueText(const ParameterEntry &entry, const PrintoutSources &sources)
{
    const QString &stored = sources.parameters.text(entry.param);
    if (entry.control.kind != FieldKind::List)
        return stored;
    bool isIndex = false;
    const int index = stored.toInt(&isIndex);
    return isIndex ? sources.parametersPage.listEntryText(entry.param, index) : QString();
}

std::optional<QString> secondValue(int row, const PrintoutSources &sources)
{
    for (const ParameterEntry &entry : parameterCatalogue()) {
        if (entry.printout.row == row && entry.printout.second)
            return sources.parameters.text(entry.param);
    }
    return std::nullopt;
}

} // namespace

QString withoutMnemonic(const QString &caption)
{
    QString shown;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

void RefreshPrintoutTexts(PrintingPage &printout, const PrintoutSources &sources)
{
    printout.setHeading(withoutMnemonic(sources.menuCaption));
    for (const ParameterEntry &entry : parameterCatalogue()) {
        const int row = entry.printout.row;
        if (row == 0 || entry.printout.second)
            continue;
        printout.setCaption(row, row == TemperatureRow ? sources.parametersPage.temperatureCaption()
                                                       : sources.parametersPage.captionText(entry.param));
        if (sources.valuesKnown)
            printout.setValues(row, valueText(entry, sources), secondValue(row, sources));
    }
    printout.setCaption(IgnitionRow, sources.ignitionCaption);
    if (sources.valuesKnown)
        printout.setValues(IgnitionRow, sources.ignitionEntry);
}

} // namespace qx
