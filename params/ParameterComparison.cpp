#include "ParameterComparison.h"

namespace qx {

namespace {

std::optional<QString> shown(const ParameterValues &values, const ParameterFileRow &row,
                             const ParameterShowing &showing)
{
    const auto found = values.constFind(row.code);
    if (found == values.cend())
        return std::nullopt;
    switch (row.kind) {
    case ParameterFileKind::List: return showing.listEntry(row.param, found->toInt());
    case ParameterFileKind::Tick: return found->toInt() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    default: return *found;
    }
}

} // namespace

ParameterValues valuesOf(const ParameterFileReading &reading)
{
    ParameterValues values;
    for (const ParameterFileValue &value : reading.values)
        values.insert(value.code, value.value);
    return values;
}

ParameterValues valuesOf(const std::function<QString(Param)> &valueOf)
{
    ParameterValues values;
    for (const ParameterFileRow &row : parameterFileRows()) {
        if (row.kind != ParameterFileKind::Comment)
            values.insert(row.code, valueOf(row.param));
    }
    return values;
}

QList<ComparedParameter> compareParameters(const ParameterValues &left, const ParameterValues &right,
                                           const ParameterShowing &showing)
{
    QList<ComparedParameter> compared;
    for (const ParameterFileRow &row : parameterFileRows()) {
        if (row.kind == ParameterFileKind::Comment)
            continue;
        ComparedParameter c;
        c.code = row.code;
        c.param = row.param;
        c.kind = row.kind;
        c.caption = showing.caption(row.param);
        c.left = shown(left, row, showing);
        c.right = shown(right, row, showing);
        c.differs = c.left != c.right;
        compared << c;
    }
    return compared;
}

} // namespace qx
