#pragma once

#include <QString>

#include <functional>

class QObject;

namespace qx {

class ControllerProtocol;

// Tries com1 … com8 in turn until a controller answers its version query.
// Every port that opens becomes the port setting and has its menu item
// ticked on window; each step reports its result through showResult, so the
// user sees the ports pass by. Leaves the port closed. True when found.
bool AutodetectPort(ControllerProtocol &protocol, QObject *window,
                    const std::function<void(const QString &)> &showResult);

// Makes "comN" the port setting and ticks its item PCOMn on window.
void selectPort(ControllerProtocol &protocol, QObject *window, int number);

} // namespace qx
