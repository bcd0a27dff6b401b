#pragma once

#include "ParameterSet.h"

#include <QList>
#include <QPair>

namespace qx {

// The program's own default parameters in the catalogue's order, the set a
// reset puts on the page and writes to the controller.
const QList<QPair<Param, QString>> &resetValues();
ParameterSet resetParameterSet();

} // namespace qx
