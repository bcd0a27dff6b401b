#pragma once

#include <QColor>
#include <QtGlobal>

// Each channel within a few steps of the wanted one, for blended pixels.
inline bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
}
