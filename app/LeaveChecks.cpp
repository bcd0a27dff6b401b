#include "LeaveChecks.h"

#include <optional>

namespace qx {

namespace {

std::optional<int> integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Volts and other reals are written with a comma; a point is taken too.
std::optional<double> real(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

LeaveVerdict checkParametersPageLeave(const LeaveFields &fields)
{
    LeaveVerdict verdict;
    const auto refuse = [&](TextKey key, const QString &suffix = QString()) {
        verdict.allowed = false;
        verdict.messages.append({key, suffix});
    };

    const auto start = integer(fields.startPosition);
    const auto min = integer(fields.stepMin);
    const auto max = integer(fields.stepMax);
    const bool atLimit = start && ((min && *start == *min) || (max && *start == *max));
    if (atLimit)
        verdict.messages.append({TextKey::StartPositionAtLimit, QString()});

    const auto delay = integer(fields.startDelay);
    if (!delay || *delay <= 0)
        refuse(TextKey::StartDelayTooShort);
    const auto threshold = real(fields.lambdaThreshold);
    if (!threshold || *threshold < 0.1)
        refuse(TextKey::LambdaThresholdTooLow);
    const auto opening = real(fields.stepOpening);
    if (!opening || !(*opening >= 2))
        refuse(TextKey::StepOpeningTooSmall);

    // The start position must lie strictly between the stepper limits; the
    // message names the positions allowed.
    if (!atLimit && !(start && min && max && *min < *start && *start < *max)) {
        const QString range = min && max ? QStringLiteral("[%1 ... %2]").arg(*min + 1).arg(*max - 1)
                                         : QStringLiteral("[? ... ?]");
        refuse(TextKey::StartPositionOutOfRange, range);
    }
    return verdict;
}

} // namespace qx
