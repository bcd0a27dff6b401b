#pragma once

#include "PollTimer.h"
#include "PortIo.h"
#include "PortNames.h"
#include "SimulatedController.h"
#include "SimFault.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

namespace qxsim {
class Scenario;
}

// The simulated controller and its car on the program's own thread, behind
// the port interface, on a virtual clock. The program's pauses move the clock
// on, and with it the car and the replies coming down the line; the window's
// poll timers fire when a test runs the clock. Nothing waits in real time,
// and every gap on the wire is measured on the clock, so a test still sees a
// wait shorter than prescribed.
class VirtualCar final : public qx::PollTimerClock
{
public:
    // The port name the car is on; the window finds it as on a machine.
    explicit VirtualCar(const QString &portName = QStringLiteral("com1"));
    ~VirtualCar() override;
    VirtualCar(const VirtualCar &) = delete;
    VirtualCar &operator=(const VirtualCar &) = delete;

    // The port for a window, and the names it resolves: only this car's.
    std::unique_ptr<qx::PortIo> port();
    qx::PortNameResolver ports() const;

    // The controller and its car.
    qxsim::SimulatedController *operator->() { return &core_; }
    const qxsim::SimulatedController *operator->() const { return &core_; }
    // Port-level faults act on the port at once (a hang-up closes it, a busy
    // port refuses opens); the others shape the replies.
    void setFault(qxsim::Fault fault, int argument = -1);
    void runScenario(const qxsim::Scenario &scenario);
    // Called with each byte the program sends, before the controller takes it.
    void setReceiveHook(std::function<void(quint8)> hook) { hook_ = std::move(hook); }
    // The controller as it was made, the wire log empty.
    void restoreDefaults();
    QByteArray startBlock() const { return startBlock_; }

    QVector<qxsim::WireEvent> wireLog() const { return core_.wire().events(); }
    void clearWireLog() { core_.wire().clear(); }

    // Virtual microseconds since the car was made.
    qint64 now() const { return now_; }
    // Runs the clock, the poll timers firing as due, for that many virtual
    // milliseconds, or until the condition holds (true) or the time is up (false).
    void run(int milliseconds);
    bool runUntil(const std::function<bool()> &condition, int timeoutMs = 60000);

    // PollTimerClock
    void started(qx::PollTimer &timer) override;
    void stopped(qx::PollTimer &timer) override;

private:
    class Port;
    struct Due
    {
        qx::PollTimer *timer;
        qint64 at;
    };
    // Moves the clock and the car to a time; fires no timer.
    void advanceTo(qint64 micros);
    // The earliest timer due, or nullptr.
    Due *nextDue();

    QString portName_;
    qxsim::SimulatedController core_;
    QByteArray startBlock_;
    std::function<void(quint8)> hook_;
    qint64 now_ = 0;
    QList<Due> timers_;
    Port *port_ = nullptr;  // the window's, while it lives
    bool hungUp_ = false;
    bool busy_ = false;
};
