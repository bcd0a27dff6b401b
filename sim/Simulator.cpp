#include "Simulator.h"

#include "SimBusyPort.h"
#include "SimLog.h"
#include "SimPortLink.h"
#include "SimPtyPort.h"
#include "SimScenario.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>

namespace qxsim {

namespace {

constexpr int FaultAppliedTimeoutMs = 2000;

using Lock = std::unique_lock<std::recursive_mutex>;

std::chrono::steady_clock::time_point deadlineIn(int milliseconds)
{
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

} // namespace

struct Simulator::Private
{
    bool openPort();
    void hangUp();
    void applyFault();
    void sendDue(qint64 now);
    qint64 waitMicros(qint64 now) const;
    void run();
    bool onEngineThread() const { return std::this_thread::get_id() == thread.get_id(); }

    mutable std::recursive_mutex mutex;
    mutable std::condition_variable_any changed;  // after every engine round
    std::function<void(quint8)> receiveHook;
    SimulatedController core;
    quint64 appliedGeneration = 0;

    QString portName;
    QString error;
    PtyPort port;
    PortLink link;
    BusyPort busy;

    std::thread thread;
    std::atomic<bool> stopping{false};
    bool running = false;
};

bool Simulator::Private::openPort()
{
    if (port.open(&error) && link.create(portName, port.devicePath(), &error))
        return true;
    port.close();
    return false;
}

// The port vanishes as if the cable were pulled: the program's open port
// reports errors from now on and the name no longer resolves.
void Simulator::Private::hangUp()
{
    port.close();
    link.remove();
    core.dropPending();
    qCInfo(lcSim, "port hung up");
}

// Acts on a new fault setting: a port that hung up comes back, the busy
// hold is taken or given up, an immediate hang-up happens.
void Simulator::Private::applyFault()
{
    if (appliedGeneration == core.faultGeneration())
        return;
    appliedGeneration = core.faultGeneration();
    busy.release();
    if (!port.isOpen() && !openPort())
        qCWarning(lcSim, "cannot bring the port back: %s", qPrintable(error));
    const FaultSetting fault = core.fault();
    if (fault.fault == Fault::HangUp && fault.argument == 0)
        hangUp();
    if (fault.fault == Fault::PortBusy && port.isOpen() && !busy.hold({link.path(), port.devicePath()}, &error))
        qCWarning(lcSim, "%s", qPrintable(error));
}

void Simulator::Private::sendDue(qint64 now)
{
    const QByteArray due = core.takeDueReplies(now);
    const int written = port.write(due);
    core.countSent(written);
    for (int i = 0; i < written; ++i)
        core.wire().append({now, false, quint8(due.at(i))});
}

qint64 Simulator::Private::waitMicros(qint64 now) const
{
    qint64 wakeAt = core.nextTickMicros();
    if (core.repliesPending())
        wakeAt = qMin(wakeAt, core.nextReplyMicros());
    return qBound(qint64(0), wakeAt - now, SimulatedController::TickMicros);
}

void Simulator::Private::run()
{
    Lock lock(mutex);
    while (!stopping) {
        const qint64 wait = waitMicros(monotonicMicros());
        lock.unlock();
        port.waitForInput(wait);
        const QByteArray received = port.readAvailable();
        // The hook may call back into the simulator, so it runs unlocked.
        if (receiveHook) {
            for (char byte : received)
                receiveHook(quint8(byte));
        }
        lock.lock();
        const qint64 now = monotonicMicros();
        applyFault();
        if (!core.receive(received, now))
            hangUp();
        sendDue(now);
        core.tick(now);
        core.wire().flush();
        changed.notify_all();
        const QVector<ScenarioStep> steps = core.dueScenarioSteps(now);
        for (const ScenarioStep &step : steps)
            step.action(core);
    }
    busy.release();
}

Simulator::Simulator()
    : d(std::make_unique<Private>())
{
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start(const QString &portName)
{
    Lock lock(d->mutex);
    if (d->running) {
        d->error = QStringLiteral("the simulator is already running");
        return false;
    }
    d->portName = portName;
    d->error.clear();
    if (!d->openPort())
        return false;
    d->stopping = false;
    d->running = true;
    d->core.startClock(monotonicMicros());
    d->core.rewindScenario(monotonicMicros());
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void Simulator::stop()
{
    {
        Lock lock(d->mutex);
        if (!d->running)
            return;
        d->stopping = true;
    }
    d->thread.join();
    Lock lock(d->mutex);
    d->running = false;
    d->port.close();
    d->link.remove();
    d->core.dropPending();
    d->core.wire().flush();
    d->changed.notify_all();
}

QString Simulator::errorString() const
{
    Lock lock(d->mutex);
    return d->error;
}

QString Simulator::portName() const
{
    Lock lock(d->mutex);
    return d->portName;
}

QString Simulator::devicePath() const
{
    Lock lock(d->mutex);
    return d->port.devicePath();
}

QString Simulator::linkPath() const
{
    Lock lock(d->mutex);
    return d->link.path();
}

Locked<SimulatedController> Simulator::operator->()
{
    return {d->mutex, d->core};
}

Locked<const SimulatedController> Simulator::operator->() const
{
    return {d->mutex, d->core};
}

void Simulator::apply(const std::function<void(SimulatedController &)> &action)
{
    Lock lock(d->mutex);
    action(d->core);
}

QByteArray Simulator::currentLiveFrame() const
{
    Lock lock(d->mutex);
    return d->core.liveFrameAt(monotonicMicros());
}

std::optional<ReplayPosition> Simulator::replayPosition() const
{
    Lock lock(d->mutex);
    return d->core.replayPosition(monotonicMicros());
}

void Simulator::setFault(Fault fault, int argument)
{
    Lock lock(d->mutex);
    d->core.setFault(fault, argument);
    const quint64 generation = d->core.faultGeneration();
    if (!d->running || d->onEngineThread())
        return;
    d->changed.wait_until(lock, deadlineIn(FaultAppliedTimeoutMs),
                          [&] { return !d->running || d->appliedGeneration >= generation; });
}

void Simulator::runScenario(const Scenario &scenario)
{
    Lock lock(d->mutex);
    d->core.runScenario(scenario, monotonicMicros());
}

void Simulator::setReceiveHook(std::function<void(quint8)> hook)
{
    Lock lock(d->mutex);
    d->receiveHook = std::move(hook);
}

QVector<WireEvent> Simulator::wireLog() const
{
    Lock lock(d->mutex);
    return d->core.wire().events();
}

QVector<WireEvent> Simulator::newestWireEvents(int count) const
{
    Lock lock(d->mutex);
    return d->core.wire().newest(count);
}

void Simulator::clearWireLog()
{
    Lock lock(d->mutex);
    d->core.wire().clear();
}

bool Simulator::setWireLogFile(const QString &path)
{
    Lock lock(d->mutex);
    return d->core.wire().openFile(path, &d->error);
}

bool Simulator::waitForWireBytes(int countFromProgram, int timeoutMs) const
{
    Lock lock(d->mutex);
    return d->changed.wait_until(lock, deadlineIn(timeoutMs),
                                 [&] { return d->core.wire().bytesFromProgram() >= countFromProgram; });
}

bool Simulator::waitUntilAnswered(qint64 receivedInAll, int timeoutMs) const
{
    Lock lock(d->mutex);
    return d->changed.wait_until(lock, deadlineIn(timeoutMs), [&] {
        return d->core.bytesReceivedInAll() >= receivedInAll && !d->core.repliesPending();
    });
}

} // namespace qxsim
