#pragma once

#include "ParameterFile.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace qx {

// One side of a comparison: values in a file's form by their file code. A
// code the side does not hold is absent.
using ParameterValues = QMap<int, QString>;

// The values a reading brings, the last of a code winning as a load applies them.
ParameterValues valuesOf(const ParameterFileReading &reading);
// The values the page shows, through the same source as a file's writer.
ParameterValues valuesOf(const std::function<QString(Param)> &valueOf);

// How values are shown: captions and list entries in the current language.
struct ParameterShowing
{
    std::function<QString(Param)> caption;
    // A list's entry; empty for no selection.
    std::function<QString(Param, int)> listEntry;
};

// A parameter on both sides, as shown: a list by its entry's text, a tick as
// "1" or "0" (any number but 0 ticks it), a field by its text.
struct ComparedParameter
{
    int code = 0;
    Param param{-1};
    ParameterFileKind kind = ParameterFileKind::Integer;
    QString caption;
    std::optional<QString> left;
    std::optional<QString> right;
    bool differs = false;
};

// Every parameter a file can hold, in file order.
QList<ComparedParameter> compareParameters(const ParameterValues &left, const ParameterValues &right,
                                           const ParameterShowing &showing);

} // namespace qx
