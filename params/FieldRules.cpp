#include "FieldRules.h"

#include "ParameterCatalogue.h"
#include "ParameterCodec.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace qx {

namespace {

constexpr QChar Backspace(8);
constexpr QChar Delete(127);

FieldRule control(const char *name, FieldKind kind, const char *caption, std::optional<TextKey> help)
{
    FieldRule rule;
    rule.name = QLatin1String(name);
    rule.kind = kind;
    rule.caption = QLatin1String(caption);
    rule.help = help;
    return rule;
}

// A decimal integer text, saturated to the int range so that a long digit
// string lies beyond every limit instead of being no number at all.
std::optional<int> wholeNumber(const QString &text)
{
    static const QRegularExpression integer(QStringLiteral("^([+-]?)[0-9]+$"));
    const auto match = integer.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        return match.captured(1) == QLatin1String("-") ? INT_MIN : INT_MAX;
    return int(std::clamp<qlonglong>(value, INT_MIN, INT_MAX));
}

// A non-negative decimal text as its digits, without leading zeros before the
// comma or trailing ones after it, so that comparing them is exact.
struct Decimal
{
    QString whole;
    QString fraction;
};

std::optional<Decimal> parseDecimal(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]*),?([0-9]*)$"));
    const auto match = decimal.match(text);
    if (!match.hasMatch() || (match.capturedLength(1) == 0 && match.capturedLength(2) == 0))
        return std::nullopt;
    QString whole = match.captured(1);
    QString fraction = match.captured(2);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return Decimal{whole, fraction};
}

int compare(const Decimal &a, const Decimal &b)
{
    if (a.whole.size() != b.whole.size())
        return a.whole.size() < b.whole.size() ? -1 : 1;
    if (const int c = a.whole.compare(b.whole))
        return c;
    return a.fraction.compare(b.fraction);
}

// Below 1 to hundredths, from 1 up to tenths, halves up: only the first digit
// dropped decides. The result is in hundredths.
int roundedHundredths(const Decimal &value)
{
    const int kept = value.whole.isEmpty() ? 2 : 1;
    const QString fraction = value.fraction.leftJustified(kept + 1, QLatin1Char('0'));
    int scaled = (value.whole + fraction.left(kept)).toInt();
    if (fraction.at(kept) >= QLatin1Char('5'))
        ++scaled;
    return kept == 2 ? scaled : scaled * 10;
}

// Held against the neighbour only when both are whole numbers; a value moved
// by the neighbour still stays within the field's own limits.
QString crossChecked(const FieldRule &rule, const QString &text, const TextOf &textOf, CrossRule::When when)
{
    if (!rule.cross || rule.cross->when != when)
        return text;
    const auto value = wholeNumber(text);
    const auto neighbour = wholeNumber(textOf(rule.cross->neighbour));
    if (!value || !neighbour)
        return text;
    const bool below = rule.cross->side == CrossRule::Side::Below;
    if (below ? *value < *neighbour : *value > *neighbour)
        return text;
    const qlonglong moved = qlonglong(*neighbour) + (below ? -rule.cross->gap : rule.cross->gap);
    return QString::number(std::clamp<qlonglong>(moved, rule.min, rule.max));
}

} // namespace

namespace rule {

FieldRule list(const char *name, const char *caption, TextKey help, int focusedList, ClearsInSync clears)
{
    FieldRule rule = control(name, FieldKind::List, caption, help);
    rule.focusedList = focusedList;
    rule.focusClearsInSync = clears == ClearsInSync::OnFocus;
    rule.keyClearsInSync = clears == ClearsInSync::OnAnyKey;
    return rule;
}

FieldRule intField(const char *name, const char *caption, TextKey help, int maxLength, int min, int max,
                   std::optional<CrossRule> cross)
{
    FieldRule rule = control(name, FieldKind::IntField, caption, help);
    rule.filter = KeyFilter::DigitsOnly;
    rule.maxLength = maxLength;
    rule.min = min;
    rule.max = max;
    rule.cross = std::move(cross);
    return rule;
}

FieldRule decimalField(const char *name, const char *caption, TextKey help, const char *minText,
                       const char *maxText)
{
    FieldRule rule = control(name, FieldKind::DecimalField, caption, help);
    rule.filter = KeyFilter::Decimal;
    rule.maxLength = 4;
    rule.minText = QLatin1String(minText);
    rule.maxText = QLatin1String(maxText);
    return rule;
}

FieldRule box(const char *name, const char *caption, std::optional<TextKey> help, StatusText status)
{
    FieldRule rule = control(name, FieldKind::Box, caption, help);
    rule.status = status;
    return rule;
}

CrossRule against(const char *neighbour, CrossRule::Side side, int gap, CrossRule::When when)
{
    return {QLatin1String(neighbour), side, gap, when};
}

} // namespace rule

const QList<FieldRule> &fieldRules()
{
    static const QList<FieldRule> rules = [] {
        QList<FieldRule> onThePage;
        for (const ParameterEntry &entry : parameterCatalogue()) {
            if (!entry.control.name.isEmpty())
                onThePage.append(entry.control);
        }
        return onThePage;
    }();
    return rules;
}

const FieldRule *fieldRule(const QString &objectName)
{
    const ParameterEntry *entry = catalogueEntryOfControl(objectName);
    return entry ? &entry->control : nullptr;
}

const QList<CaptionClick> &captionClicks()
{
    static const QList<CaptionClick> clicks{
        {"Label1", "ComboBox1"},
        {"Label2", "Edit2"},
        {"Label3", "Edit3"},
        {"Label4", "ComboBox4"},
        {"Label5", "Edit5"},
        {"Label6", "Edit6"},
        {"Label7", "Edit7"},
        {"Label8", "Edit8_1"},
        {"CheckBox8_2_label", "CheckBox8_2"},
        {"Label9", "ComboBox9"},
        {"Label10", "Edit10", true},
        {"Label12", "Edit11_1"},
        {"Label13", "Edit12"},
        {"Label16", "Edit14"},
        {"Label14", "Edit13_1"},
        {"CheckBox13_3_Label", "CheckBox13_3"},
        {"CheckBox15_Label", "CheckBox15"},
        {"Label17", "CheckBox15"},
        {"Label18", "Edit16", true},
        {"Label19", "Edit17", true},
        {"Label20", "Edit18"},
        {"Label21", "Edit19"},
        {"Label22", "ComboBox20"},
        {"Label23", "ComboBox21"},
        {"checkbox22_2_label", "CheckBox22_2"},
    };
    return clicks;
}

QChar DigitsOnlyKey(QChar key)
{
    // Any other digit Unicode knows would not read as a number.
    if ((key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == Backspace || key == Delete)
        return key;
    return {};
}

QChar DecimalKey(QChar key)
{
    if (key == QLatin1Char('.') || key == QLatin1Char(','))
        return QLatin1Char(',');
    return DigitsOnlyKey(key);
}

QChar filterKey(KeyFilter filter, QChar key)
{
    switch (filter) {
    case KeyFilter::DigitsOnly:
        return DigitsOnlyKey(key);
    case KeyFilter::Decimal:
        return DecimalKey(key);
    case KeyFilter::None:
        break;
    }
    return key;
}

QString pasteFilter(const FieldRule &rule, const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        // Backspace and 127 edit when typed; in a pasted text they are noise.
        const QChar key = filterKey(rule.filter, c);
        if (!key.isNull() && key != Backspace && key != Delete)
            kept += key;
    }
    return rule.maxLength > 0 ? kept.left(rule.maxLength) : kept;
}

QString CheckIntField(const QString &text, int min, int max)
{
    const auto value = wholeNumber(text);
    return QString::number(value ? std::clamp(*value, min, max) : min);
}

QString CheckDecimalField(const QString &text, const QString &minText, const QString &maxText)
{
    const auto value = parseDecimal(text);
    if (!value || compare(*value, *parseDecimal(minText)) <= 0)
        return minText;
    if (compare(*value, *parseDecimal(maxText)) > 0)
        return maxText;
    // Shown as the volts text the parameter write reads.
    return codec::voltsText(roundedHundredths(*value));
}

QString leaveCheck(const FieldRule &rule, const QString &text, const TextOf &textOf)
{
    switch (rule.kind) {
    case FieldKind::IntField:
        return crossChecked(rule, CheckIntField(text, rule.min, rule.max), textOf, CrossRule::When::Leaving);
    case FieldKind::DecimalField:
        return CheckDecimalField(text, rule.minText, rule.maxText);
    case FieldKind::List:
    case FieldKind::Box:
        break;
    }
    return text;
}

QString CheckFocusedField(const FieldRule &rule, const QString &text, const TextOf &textOf)
{
    return crossChecked(rule, leaveCheck(rule, text, textOf), textOf, CrossRule::When::Enter);
}

} // namespace qx
