#include "PrintoutTexts.h"

#include "ParameterSet.h"
#include "ParametersPage.h"
#include "PrintingPage.h"

#include <optional>

namespace qx {

namespace {

enum class Shown { Text, ListEntry };

struct PrintoutRow
{
    Param param;
    Shown shown = Shown::Text;
    std::optional<Param> second = std::nullopt;
};

// Rows 1 … 21 in order; rows 22 (ignition) and 23 (switch temperature under
// the live temperature's caption) come from elsewhere.
const PrintoutRow PageRows[] = {
    {P::ProbeVariant, Shown::ListEntry},
    {P::LambdaThreshold},
    {P::SwitchRpm},
    {P::TpsType, Shown::ListEntry},
    {P::TpsThresholdVolts},
    {P::StepSpeedAboveTps},
    {P::StepSpeedBelowTps},
    {P::MaxGasRpm},
    {P::RpmKind, Shown::ListEntry},
    {P::RpmDelta},
    {P::StepMin, Shown::Text, P::StepMax},
    {P::StepStart},
    {P::LambdaLowTime, Shown::Text, P::LambdaHighTime},
    {P::StartDelay},
    // As stored, "1" or "0", not the box's caption.
    {P::CutoffOn},
    {P::CutoffStepLevel},
    {P::CutoffRpm},
    {P::StepOpening},
    {P::SwitchDelay},
    {P::OperatingMode, Shown::ListEntry},
    {P::ReserveSensorType, Shown::ListEntry},
};
constexpr int IgnitionRow = 22;
constexpr int TemperatureRow = 23;

QString valueText(const PrintoutRow &row, const PrintoutSources &sources)
{
    const QString &stored = sources.parameters.text(row.param);
    if (row.shown == Shown::Text)
        return stored;
    bool isIndex = false;
    const int index = stored.toInt(&isIndex);
    return isIndex ? sources.parametersPage.listEntryText(row.param, index) : QString();
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
    int number = 1;
    for (const PrintoutRow &row : PageRows) {
        printout.setCaption(number, sources.parametersPage.captionText(row.param));
        if (sources.valuesKnown) {
            const std::optional<QString> second =
                row.second ? std::optional<QString>(sources.parameters.text(*row.second)) : std::nullopt;
            printout.setValues(number, valueText(row, sources), second);
        }
        ++number;
    }
    printout.setCaption(IgnitionRow, sources.ignitionCaption);
    printout.setCaption(TemperatureRow, sources.parametersPage.temperatureCaption());
    if (sources.valuesKnown) {
        printout.setValues(IgnitionRow, sources.ignitionEntry);
        printout.setValues(TemperatureRow, sources.parameters.text(P::SwitchTemperature));
    }
}

} // namespace qx
