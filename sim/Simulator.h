#pragma once

#include "SimParameterBlock.h"
#include "SimulatedController.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace qxsim {

class Scenario;

// Access to a simulated controller under its simulator's lock, for the
// length of one expression: sim->setVersion(5), sim->car().setThrottle(40, 0).
// The lock is recursive, so one expression may reach the simulator twice.
template <class T>
class Locked
{
public:
    Locked(std::recursive_mutex &mutex, T &object) : lock_(mutex), object_(object) {}
    T *operator->() const { return &object_; }

private:
    std::unique_lock<std::recursive_mutex> lock_;
    T &object_;
};

// The Quorvantix controller on a pseudo-terminal, linked as a port (com1 by
// default) so the program finds it like a real one. Its controller and car
// answer from a thread of their own, so a caller may block its own thread
// while the simulator replies. Every member is safe to call from any thread;
// the controller and car are reached under the lock through operator->.
class Simulator
{
public:
    Simulator();
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Opens the pseudo-terminal, links it under the port name and starts the engine.
    bool start(const QString &portName = QStringLiteral("com1"));
    // Stops the engine, closes the port and removes the link.
    void stop();
    QString errorString() const;
    QString portName() const;
    QString devicePath() const;  // e.g. /dev/pts/3; empty while hung up
    QString linkPath() const;

    // The controller and its car.
    Locked<SimulatedController> operator->();
    Locked<const SimulatedController> operator->() const;
    // Runs a scenario command's action now, under the lock.
    void apply(const std::function<void(SimulatedController &)> &action);

    // What the live-data request would get now, before any fault.
    QByteArray currentLiveFrame() const;
    std::optional<ReplayPosition> replayPosition() const;
    // Returns once the engine has acted on a port-level fault.
    void setFault(Fault fault, int argument = -1);
    // Runs the scenario's steps from now on, in place of any earlier one.
    void runScenario(const Scenario &scenario);

    // Called on the simulator's own thread, outside its lock, with each byte
    // the program sends, before the controller takes it: a test's look at
    // the world at the moment a byte arrives. Keep it short; nullptr removes it.
    void setReceiveHook(std::function<void(quint8 byte)> hook);

    // The wire log
    QVector<WireEvent> wireLog() const;
    QVector<WireEvent> newestWireEvents(int count) const;
    void clearWireLog();
    bool setWireLogFile(const QString &path);  // false: see errorString()
    // True once the program has sent at least that many bytes since the log
    // was last cleared.
    bool waitForWireBytes(int countFromProgram, int timeoutMs) const;
    // True once the simulator has read that many bytes in all and has sent
    // every reply byte it queued for them, a slow reply's included.
    bool waitUntilAnswered(qint64 receivedInAll, int timeoutMs) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace qxsim
