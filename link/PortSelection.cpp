#include "PortSelection.h"

#include "ControlsByName.h"
#include "ControllerProtocol.h"
#include "SerialChannel.h"

namespace qx {

namespace {
constexpr int FoundKey = 10388;
constexpr int NotFoundKey = 10389;
constexpr int PortCount = 8;
} // namespace

void selectPort(ControllerProtocol &protocol, QObject *window, int number)
{
    protocol.setPortName(QStringLiteral("com%1").arg(number));
    setPropertyByName(window, QStringLiteral("PCOM%1").arg(number), "checked", true);
}

bool AutodetectPort(ControllerProtocol &protocol, QObject *window,
                    const std::function<void(const QString &)> &showResult)
{
    SerialChannel &channel = protocol.channel();
    channel.ClosePort();
    bool found = false;
    for (int n = 1; n <= PortCount && !found; ++n) {
        const QString name = QStringLiteral("com%1").arg(n);
        if (channel.OpenPortQuiet(name)) {
            selectPort(protocol, window, n);
            protocol.ShowControllerVersion(window);
            found = protocol.state().ControllerConnected;
            showResult(protocol.text(found ? FoundKey : NotFoundKey) + QLatin1Char(' ') + name);
        } else {
            showResult(protocol.text(NotFoundKey) + QLatin1Char(' ') + name);
        }
        channel.ClosePort();
    }
    if (!found)
        showResult(protocol.text(ControllerProtocol::NoControllerKey));
    return found;
}

} // namespace qx
