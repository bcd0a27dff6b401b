#pragma once

#include <QString>

// Formats a number by a picture such as "##0.0" or "0": a '0' is a digit that
// is always shown, a '#' one shown only when needed; after the point, '#'
// digits are dropped when they are trailing zeros. An empty picture gives the
// shortest exact text.
QString formatValue(double value, const QString &picture);
