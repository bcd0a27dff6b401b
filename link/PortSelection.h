#pragma once

#include <QString>

#include <functional>

namespace qx {

class ControllerProtocol;

// One port of the autodetection scan, as the user is to see it.
struct AutodetectStep
{
    enum Outcome { Found, NotFound, NotOpened };

    int portNumber;   // 1 … 8
    QString portName; // "com1" … "com8"
    Outcome outcome;
};

// Tries com1 … com8 in turn until a controller answers its version query.
// Every port that opens becomes the port setting; each port's outcome is
// reported before the next one is tried, so the caller can show the ports
// passing by. Leaves the port closed. True when a controller was found.
bool AutodetectPort(ControllerProtocol &protocol, const std::function<void(const AutodetectStep &)> &report);

} // namespace qx
