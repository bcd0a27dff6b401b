#include "Simulator.h"

#include "SimBusyPort.h"
#include "SimLiveFrame.h"
#include "SimPortLink.h"
#include "SimPtyPort.h"
#include "SimReplyQueue.h"
#include "SimScenario.h"
#include "SimScenarioRunner.h"
#include "SimLog.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QRandomGenerator>
#include <QWaitCondition>

#include <atomic>
#include <thread>

namespace qxsim {

namespace {

constexpr qint64 TickMicros = 10000;
constexpr double LongestTickSeconds = 0.1;
constexpr int FaultAppliedTimeoutMs = 2000;

} // namespace

struct Simulator::Private
{
    explicit Private(Simulator *owner) : q(owner)
    {
        controller.setFrameSource([this] { return takeFrame(); });
    }

    QByteArray frameNow() const;
    QByteArray takeFrame();
    bool openPort();
    void hangUp();
    void applyFault();
    void receive(const QByteArray &bytes, qint64 now);
    void sendDue();
    void tick(qint64 now);
    qint64 waitMicros(qint64 now) const;
    void run();
    bool onEngineThread() const { return std::this_thread::get_id() == thread.get_id(); }

    Simulator *q;
    mutable QMutex mutex;
    std::function<void(quint8)> receiveHook;
    mutable QWaitCondition changed;  // after every engine round

    ControllerEngine controller;
    Car car;
    std::optional<Replay> replay;
    QVector<QByteArray> fixedFrames;
    int nextFrame = 0;
    int pacingMicros = 1040;
    FaultSetting fault;
    int hangUpCountdown = 0;
    quint64 faultGeneration = 0;
    quint64 appliedGeneration = 0;
    QRandomGenerator random{1};  // fixed seed: garbage is the same on every run
    ReplyQueue replies;
    WireLog wire;
    qint64 receivedInAll = 0;
    qint64 sentInAll = 0;

    QString portName;
    QString error;
    PtyPort port;
    PortLink link;
    BusyPort busy;

    std::thread thread;
    std::atomic<bool> stopping{false};
    bool running = false;
    qint64 lastTickMicros = 0;

    ScenarioRunner scenario;
};

QByteArray Simulator::Private::frameNow() const
{
    if (replay)
        return replay->frameAt(monotonicMicros());
    if (!fixedFrames.isEmpty())
        return fixedFrames.at(nextFrame);
    return liveFrame(car.state(), controller.version(), ParameterBlock(controller.parameterBlock()));
}

QByteArray Simulator::Private::takeFrame()
{
    if (replay)
        replay->startOnce(monotonicMicros());
    const QByteArray frame = frameNow();
    if (!fixedFrames.isEmpty())
        nextFrame = (nextFrame + 1) % int(fixedFrames.size());
    return frame;
}

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
    replies.clear();
    controller.resetInput();
    qCInfo(lcSim, "port hung up");
}

// Acts on a new fault setting: a port that hung up comes back, the busy
// hold is taken or given up, an immediate hang-up happens.
void Simulator::Private::applyFault()
{
    if (appliedGeneration == faultGeneration)
        return;
    appliedGeneration = faultGeneration;
    busy.release();
    if (!port.isOpen() && !openPort())
        qCWarning(lcSim, "cannot bring the port back: %s", qPrintable(error));
    if (fault.fault == Fault::HangUp && fault.argument == 0)
        hangUp();
    if (fault.fault == Fault::PortBusy && port.isOpen() && !busy.hold({link.path(), port.devicePath()}, &error))
        qCWarning(lcSim, "%s", qPrintable(error));
}

void Simulator::Private::receive(const QByteArray &bytes, qint64 now)
{
    for (char byte : bytes) {
        wire.append({now, true, quint8(byte)});
        if (receiveHook)
            receiveHook(quint8(byte));
        ++receivedInAll;
        scenario.programSent(quint8(byte), now);
        if (fault.fault == Fault::HangUp && hangUpCountdown > 0 && --hangUpCountdown == 0) {
            hangUp();
            return;
        }
        if (const auto reply = controller.receive(quint8(byte)))
            replies.add(shapeReply(reply->bytes, reply->liveFrame, fault, random), now, pacingMicros);
    }
}

void Simulator::Private::sendDue()
{
    const qint64 now = monotonicMicros();
    const QByteArray due = replies.takeDue(now);
    const int written = port.write(due);
    sentInAll += written;
    for (int i = 0; i < written; ++i)
        wire.append({now, false, quint8(due.at(i))});
}

void Simulator::Private::tick(qint64 now)
{
    if (now - lastTickMicros < TickMicros)
        return;
    const double seconds = qMin(LongestTickSeconds, (now - lastTickMicros) / 1e6);
    car.advance(seconds, ParameterBlock(controller.parameterBlock()));
    lastTickMicros = now;
}

qint64 Simulator::Private::waitMicros(qint64 now) const
{
    qint64 wakeAt = lastTickMicros + TickMicros;
    const qint64 nextByte = replies.nextDueMicros();
    if (nextByte != ReplyQueue::NothingDue)
        wakeAt = qMin(wakeAt, nextByte);
    return qBound(qint64(0), wakeAt - now, TickMicros);
}

void Simulator::Private::run()
{
    QMutexLocker lock(&mutex);
    while (!stopping) {
        const qint64 wait = waitMicros(monotonicMicros());
        lock.unlock();
        port.waitForInput(wait);
        lock.relock();
        const qint64 now = monotonicMicros();
        applyFault();
        receive(port.readAvailable(), now);
        sendDue();
        tick(now);
        wire.flush();
        changed.wakeAll();
        const QVector<ScenarioStep> steps = scenario.due(now);
        if (!steps.isEmpty()) {
            lock.unlock();
            for (const ScenarioStep &step : steps)
                step.action(*q);
            lock.relock();
        }
    }
    busy.release();
}

Simulator::Simulator()
    : d(std::make_unique<Private>(this))
{
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start(const QString &portName)
{
    QMutexLocker lock(&d->mutex);
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
    d->lastTickMicros = monotonicMicros();
    d->scenario.rewind(d->lastTickMicros);
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void Simulator::stop()
{
    {
        QMutexLocker lock(&d->mutex);
        if (!d->running)
            return;
        d->stopping = true;
    }
    d->thread.join();
    QMutexLocker lock(&d->mutex);
    d->running = false;
    d->port.close();
    d->link.remove();
    d->replies.clear();
    d->wire.flush();
    d->changed.wakeAll();
}

QString Simulator::errorString() const
{
    QMutexLocker lock(&d->mutex);
    return d->error;
}

QString Simulator::portName() const
{
    QMutexLocker lock(&d->mutex);
    return d->portName;
}

QString Simulator::devicePath() const
{
    QMutexLocker lock(&d->mutex);
    return d->port.devicePath();
}

QString Simulator::linkPath() const
{
    QMutexLocker lock(&d->mutex);
    return d->link.path();
}

void Simulator::setReceiveHook(std::function<void(quint8)> hook)
{
    QMutexLocker lock(&d->mutex);
    d->receiveHook = std::move(hook);
}

void Simulator::setVersion(int version)
{
    QMutexLocker lock(&d->mutex);
    d->controller.setVersion(version);
}

int Simulator::version() const
{
    QMutexLocker lock(&d->mutex);
    return d->controller.version();
}

void Simulator::setParameterBlock(const QByteArray &block37)
{
    QMutexLocker lock(&d->mutex);
    d->controller.setParameterBlock(block37);
}

QByteArray Simulator::parameterBlock() const
{
    QMutexLocker lock(&d->mutex);
    return d->controller.parameterBlock();
}

void Simulator::setAnalogThreshold(quint8 threshold)
{
    QMutexLocker lock(&d->mutex);
    d->controller.setAnalogThreshold(threshold);
}

quint8 Simulator::analogThreshold() const
{
    QMutexLocker lock(&d->mutex);
    return d->controller.analogThreshold();
}

void Simulator::setLiveFrame(const QByteArray &frame)
{
    setLiveFrames(frame.isEmpty() ? QVector<QByteArray>() : QVector<QByteArray>{frame});
}

void Simulator::setLiveFrames(const QVector<QByteArray> &frames)
{
    QMutexLocker lock(&d->mutex);
    d->fixedFrames = frames;
    d->nextFrame = 0;
}

QByteArray Simulator::currentLiveFrame() const
{
    QMutexLocker lock(&d->mutex);
    return d->frameNow();
}

bool Simulator::inConfigurationBlock() const
{
    QMutexLocker lock(&d->mutex);
    return d->controller.inConfigurationBlock();
}

void Simulator::setReplay(const qxrec::DriveRecording &recording, bool loop)
{
    QMutexLocker lock(&d->mutex);
    d->replay.emplace(recording, loop);
    d->controller.setVersion(recording.header.controllerVersion);
    d->controller.setParameterBlock(blockForRecording(recording.header, d->controller.parameterBlock()));
}

std::optional<ReplayPosition> Simulator::replayPosition() const
{
    QMutexLocker lock(&d->mutex);
    if (!d->replay)
        return std::nullopt;
    return d->replay->position(monotonicMicros());
}

void Simulator::setReplyPacingMicros(int micros)
{
    QMutexLocker lock(&d->mutex);
    d->pacingMicros = qMax(0, micros);
}

void Simulator::setFault(Fault fault, int argument)
{
    QMutexLocker lock(&d->mutex);
    d->fault = {fault, argument < 0 ? defaultFaultArgument(fault) : argument};
    d->hangUpCountdown = d->fault.argument;
    const quint64 generation = ++d->faultGeneration;
    if (!d->running || d->onEngineThread())
        return;
    const QDeadlineTimer deadline(FaultAppliedTimeoutMs);
    while (d->running && d->appliedGeneration < generation && d->changed.wait(&d->mutex, deadline)) {
    }
}

FaultSetting Simulator::fault() const
{
    QMutexLocker lock(&d->mutex);
    return d->fault;
}

void Simulator::setEngineRunning(bool running)
{
    QMutexLocker lock(&d->mutex);
    d->car.setEngineRunning(running);
}

void Simulator::setTargetRpm(int rpm, double rampSeconds)
{
    QMutexLocker lock(&d->mutex);
    d->car.setTargetRpm(rpm, rampSeconds);
}

void Simulator::setThrottle(int percent, double rampSeconds)
{
    QMutexLocker lock(&d->mutex);
    d->car.setThrottle(percent, rampSeconds);
}

void Simulator::setReducerScrew(int screw)
{
    QMutexLocker lock(&d->mutex);
    d->car.setReducerScrew(screw);
}

void Simulator::setCoolant(double celsius, double rampSeconds)
{
    QMutexLocker lock(&d->mutex);
    d->car.setCoolant(celsius, rampSeconds);
}

void Simulator::setProbe(ProbeKind kind, double deadVolts)
{
    QMutexLocker lock(&d->mutex);
    d->car.setProbe(kind, deadVolts);
}

void Simulator::setTpsFalling(bool falling)
{
    QMutexLocker lock(&d->mutex);
    d->car.setTpsFalling(falling);
}

void Simulator::setMixture(double idlePosition, double risePer1000)
{
    QMutexLocker lock(&d->mutex);
    d->car.setMixture(idlePosition, risePer1000);
}

void Simulator::setGasLevel(double percent)
{
    QMutexLocker lock(&d->mutex);
    d->car.setGasLevel(percent);
}

CarState Simulator::carState() const
{
    QMutexLocker lock(&d->mutex);
    return d->car.state();
}

int Simulator::targetRpm() const
{
    QMutexLocker lock(&d->mutex);
    return qRound(d->car.targetRpm());
}

void Simulator::runScenario(const Scenario &scenario)
{
    QMutexLocker lock(&d->mutex);
    d->scenario.start(scenario.steps(), monotonicMicros());
}

QVector<WireEvent> Simulator::wireLog() const
{
    QMutexLocker lock(&d->mutex);
    return d->wire.events();
}

QVector<WireEvent> Simulator::newestWireEvents(int count) const
{
    QMutexLocker lock(&d->mutex);
    return d->wire.newest(count);
}

void Simulator::clearWireLog()
{
    QMutexLocker lock(&d->mutex);
    d->wire.clear();
}

bool Simulator::setWireLogFile(const QString &path)
{
    QMutexLocker lock(&d->mutex);
    return d->wire.openFile(path, &d->error);
}

bool Simulator::waitForWireBytes(int countFromProgram, int timeoutMs) const
{
    QMutexLocker lock(&d->mutex);
    const QDeadlineTimer deadline(timeoutMs);
    while (d->wire.bytesFromProgram() < countFromProgram) {
        if (!d->changed.wait(&d->mutex, deadline))
            return d->wire.bytesFromProgram() >= countFromProgram;
    }
    return true;
}

qint64 Simulator::bytesReceivedInAll() const
{
    QMutexLocker lock(&d->mutex);
    return d->receivedInAll;
}

qint64 Simulator::bytesSentInAll() const
{
    QMutexLocker lock(&d->mutex);
    return d->sentInAll;
}

bool Simulator::waitUntilAnswered(qint64 receivedInAll, int timeoutMs) const
{
    QMutexLocker lock(&d->mutex);
    const QDeadlineTimer deadline(timeoutMs);
    const auto answered = [&] {
        return d->receivedInAll >= receivedInAll && d->replies.nextDueMicros() == ReplyQueue::NothingDue;
    };
    while (!answered()) {
        if (!d->changed.wait(&d->mutex, deadline))
            return answered();
    }
    return true;
}

} // namespace qxsim
