// Wire timing of every exchange with the controller against the simulator on
// a pseudo-terminal: nominal duration, measured median, and their ratio. The
// rows marked "unlinked" open the port by a name without a link in ports/,
// which resolves through the machine's list of serial devices.
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "ChannelWriteTarget.h"
#include "ControllerProtocol.h"
#include "ParameterExchange.h"
#include "ParameterSet.h"
#include "ParameterWrite.h"
#include "ResetValues.h"
#include "VehicleChoices.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"
#include "SystemPortIo.h"
#include "Simulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr double ByteWireMs = 1.04; // one byte, start and stop bit, at 9600 baud
constexpr int Runs = 31;

struct Exchange
{
    const char *name;
    double waitsMs;  // the fixed waits the exchange prescribes
    int bytesSent;   // each followed by its 3 ms pause
    bool needsOpenPort;
    qx::ControllerProtocol &protocol;
    std::function<void()> run;
};

// Counts the bytes and pauses of a write without sending anything.
struct CountingTarget final : qx::WriteTarget
{
    void openPort() override {}
    void closePort() override {}
    void send(quint8) override { ++bytes; }
    void pause(int ms) override { pausedMs += ms; }
    void message(const QString &, const QString &) override {}
    int bytes = 0;
    int pausedMs = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    qxsim::Simulator sim;
    if (!sim.start(QStringLiteral("com1"))) {
        QTextStream(stderr) << "simulator: " << sim.errorString() << "\n";
        return 1;
    }
    sim->setVersion(8);

    qx::SerialChannel channel(qx::makeSystemPortIo(), qx::PortNameResolver(), nullptr);
    qx::ControllerProtocol protocol(channel);
    protocol.state().ControllerVersion = 8;

    // The simulator as the machine's first serial device, found by a name
    // without a link: resolving it lists the machine's devices.
    QTemporaryDir noLinks;
    const QString simDevice = sim.devicePath();
    qx::SerialChannel unlinkedChannel(qx::makeSystemPortIo(), qx::PortNameResolver(noLinks.path(), [&] {
        return QStringList{simDevice} + qx::PortNameResolver::machineSerialDevices();
    }), nullptr);
    qx::ControllerProtocol unlinked(unlinkedChannel);

    // The reset values, the set a fitter writes most often.
    qx::ParameterSet parameters = qx::resetParameterSet();
    protocol.state().RpmConstant = 4800;
    // Everything known, as after a read of this car: the write goes out whole.
    for (qx::Sendable value : {qx::Sendable::IgnitionType, qx::Sendable::AnalogThreshold, qx::Sendable::Flags,
                               qx::Sendable::SwitchTemperature, qx::Sendable::ParameterPage})
        protocol.state().known.learn(value);
    qx::ParameterExchange exchange(protocol, parameters);
    CountingTarget write;
    quint8 flags = 0;
    qx::writeAllParameters(parameters, {4800, 8, &flags}, write);

    // An adaptation as a 0-1 V probe and a rising TPS leave it.
    qx::AdaptationState adaptation;
    adaptation.ProbeRich = 45;
    adaptation.ProbeThreshold = 27;
    adaptation.TpsThreshold = adaptation.TpsThresholdToWrite = 27;
    adaptation.TpsRising = 1;
    adaptation.StepperMin = 58;
    adaptation.StepperMax = 180;
    adaptation.StepperStart = 131;
    adaptation.LambdaTimeRich = adaptation.LambdaTimeLean = 800;
    const qx::VehicleChoices vehicle;
    quint8 tempSensorOn = 0;
    const auto adaptationContext = [&] { return qx::WriteContext{4800, 8, &protocol.state().ControllerFlags}; };
    CountingTarget adaptationSet;
    CountingTarget finalAdaptation;
    qx::writeAdaptationSet(adaptation, vehicle, {4800, 8, &flags}, adaptationSet);
    qx::writeFinalAdaptation(adaptation, vehicle, tempSensorOn, {4800, 8, &flags}, finalAdaptation);
    const auto onChannel = [&](auto write) {
        qx::ChannelWriteTarget target(protocol);
        write(target);
    };

    const Exchange exchanges[] = {
        {"QueryControllerOptions", 400, 1, false, protocol, [&] { protocol.QueryControllerOptions(); }},
        {"CheckAnalogModel", 200, 1, false, protocol, [&] { protocol.CheckAnalogModel(); }},
        {"ReadAnalogThreshold", 100, 3, true, protocol, [&] { protocol.ReadAnalogThreshold(); }},
        {"ShowControllerVersion", 20, 1, false, protocol, [&] { protocol.ShowControllerVersion(); }},
        {"QueryIgnitionType", 100, 1, false, protocol, [&] { protocol.QueryIgnitionType(); }},
        {"RequestLiveData", 20, 1, true, protocol, [&] { protocol.RequestLiveData(); }},
        {"ignition type (31, lo, hi)", 0, 3, true, protocol, [&] { protocol.send({qx::Cmd::IgnitionType, 2, 0}); }},
        {"ReadParameters", 400, 4, false, protocol, [&] { exchange.ReadParameters(); }},
        {"WriteAllParameters", double(write.pausedMs), write.bytes, false, protocol, [&] { exchange.WriteAllParameters(); }},
        {"writeAdaptationSet", 0, adaptationSet.bytes, false, protocol, [&] {
             onChannel([&](qx::WriteTarget &t) { qx::writeAdaptationSet(adaptation, vehicle, adaptationContext(), t); });
         }},
        {"writeFinalAdaptation", 0, finalAdaptation.bytes, false, protocol, [&] {
             onChannel([&](qx::WriteTarget &t) {
                 qx::writeFinalAdaptation(adaptation, vehicle, tempSensorOn, adaptationContext(), t);
             });
         }},
        {"ShowControllerVersion, unlinked", 20, 1, false, unlinked, [&] { unlinked.ShowControllerVersion(); }},
        {"QueryIgnitionType, unlinked", 100, 1, false, unlinked, [&] { unlinked.QueryIgnitionType(); }},
        // The name looked up again before the open, as after a port choice.
        {"ShowControllerVersion, unlinked, lookup", 20, 1, false, unlinked, [&] {
             unlinkedChannel.resolvePort(unlinked.portName());
             unlinked.ShowControllerVersion();
         }},
    };

    // "prescribed" is the waits and 3 ms pauses the exchange prescribes; "+ wire"
    // adds 1.04 ms per byte sent. On a line each byte leaves during its own
    // pause, and a pseudo-terminal has no line time at all, so the measured
    // exchange follows the prescribed figure.
    QTextStream out(stdout);
    out << QString("%1 %2 %3 %4 %5 %6 %7\n")
               .arg("exchange", -40)
               .arg("bytes", 5)
               .arg("prescribed", 11)
               .arg("+ wire", 8)
               .arg("median", 8)
               .arg("ratio", 7)
               .arg("ratio+w", 8);
    for (const Exchange &e : exchanges) {
        std::vector<double> times;
        for (int i = 0; i < Runs; ++i) {
            channel.ClosePort();
            unlinkedChannel.ClosePort();
            if (e.needsOpenPort)
                e.protocol.OpenPort();
            QElapsedTimer timer;
            timer.start();
            e.run();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        const double prescribed = e.waitsMs + e.bytesSent * qx::SerialChannel::BytePauseMs;
        const double withWire = prescribed + e.bytesSent * ByteWireMs;
        const double measured = median(times);
        out << QString("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(e.name, -40)
                   .arg(e.bytesSent, 5)
                   .arg(prescribed, 11, 'f', 2)
                   .arg(withWire, 8, 'f', 2)
                   .arg(measured, 8, 'f', 2)
                   .arg(measured / prescribed, 7, 'f', 3)
                   .arg(measured / withWire, 8, 'f', 3);
    }
    channel.ClosePort();
    unlinkedChannel.ClosePort();
    sim.stop();
    return 0;
}
