#include "PortSelection.h"

#include "ControllerProtocol.h"
#include "SerialChannel.h"

namespace qx {

namespace {
constexpr int PortCount = 8;
} // namespace

bool AutodetectPort(ControllerProtocol &protocol, const std::function<void(const AutodetectStep &)> &report)
{
    SerialChannel &channel = protocol.channel();
    channel.ClosePort();
    bool found = false;
    for (int n = 1; n <= PortCount && !found; ++n) {
        const QString name = QStringLiteral("com%1").arg(n);
        AutodetectStep step{n, name, AutodetectStep::NotOpened};
        if (channel.OpenPortQuiet(name)) {
            protocol.setPortName(name);
            found = protocol.ShowControllerVersion() != 0;
            step.outcome = found ? AutodetectStep::Found : AutodetectStep::NotFound;
        }
        report(step);
        channel.ClosePort();
    }
    return found;
}

} // namespace qx
