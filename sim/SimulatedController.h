#pragma once

#include "SimCar.h"
#include "SimControllerEngine.h"
#include "SimFault.h"
#include "SimReplay.h"
#include "SimReplyQueue.h"
#include "SimScenarioRunner.h"
#include "SimWireLog.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

#include <functional>
#include <optional>

namespace qxsim {

class Scenario;

// The controller fitted to its car, with no port, thread or clock of its own:
// it takes the program's bytes at a time it is told, queues its replies with
// the times their bytes are due, and moves the car on when told the time.
// The simulator on a pseudo-terminal runs it on a thread of its own; a test
// may run it on the program's thread, on a virtual clock. Not thread-safe.
class SimulatedController
{
public:
    SimulatedController();

    // The controller
    void setVersion(int version) { engine_.setVersion(version); }  // 3..8
    int version() const { return engine_.version(); }
    void setParameterBlock(const QByteArray &block37) { engine_.setParameterBlock(block37); }
    QByteArray parameterBlock() const { return engine_.parameterBlock(); }
    void setAnalogThreshold(quint8 threshold) { engine_.setAnalogThreshold(threshold); }
    quint8 analogThreshold() const { return engine_.analogThreshold(); }
    bool inConfigurationBlock() const { return engine_.inConfigurationBlock(); }
    // A fixed reply to the live-data request instead of the car's; empty
    // gives the car back.
    void setLiveFrame(const QByteArray &frame);
    // Fixed replies taken in turn, one per live-data request, starting over
    // after the last; none gives the car back.
    void setLiveFrames(const QVector<QByteArray> &frames);
    // What the live-data request would get at that time, before any fault.
    QByteArray liveFrameAt(qint64 nowMicros) const;
    // Answers the live-data requests with the recorded drive from the first
    // request on, as the recording's controller: its version, and its probe,
    // reserve sensor and ignition in the parameter block.
    void setReplay(const qxrec::DriveRecording &recording, bool loop);
    std::optional<ReplayPosition> replayPosition(qint64 nowMicros) const;
    void setReplyPacingMicros(int micros) { pacingMicros_ = qMax(0, micros); }  // default 1040, as at 9600 baud
    // A negative argument takes the fault's default (see faultHelp()). A
    // port-level fault is acted on by whoever owns the port, which tells a
    // new setting by its generation.
    void setFault(Fault fault, int argument = -1);
    FaultSetting fault() const { return fault_; }
    quint64 faultGeneration() const { return faultGeneration_; }

    // The car
    Car &car() { return car_; }
    const Car &car() const { return car_; }
    CarState carState() const { return car_.state(); }

    // Runs the scenario's steps from now on, in place of any earlier one.
    void runScenario(const Scenario &scenario, qint64 nowMicros);
    void rewindScenario(qint64 nowMicros) { scenario_.rewind(nowMicros); }
    // The scenario's steps due by now, to be run by the caller (a step may
    // ask the owner of the port for what only it can do).
    QVector<ScenarioStep> dueScenarioSteps(qint64 nowMicros) { return scenario_.due(nowMicros); }

    // What the program sent, at that time: logged, replied to as the fault
    // has it. False when a hang-up fault has run out and the port must go.
    bool receive(const QByteArray &bytes, qint64 nowMicros);
    // Removes and returns the reply bytes due by now.
    QByteArray takeDueReplies(qint64 nowMicros);
    // Forgets queued replies and a half-received command, as a port that went away.
    void dropPending();
    bool repliesPending() const { return replies_.nextDueMicros() != ReplyQueue::NothingDue; }
    qint64 nextReplyMicros() const { return replies_.nextDueMicros(); }
    // Moves the car on by the time since the last tick, at most every TickMicros.
    void tick(qint64 nowMicros);
    void startClock(qint64 nowMicros) { lastTickMicros_ = nowMicros; }
    qint64 nextTickMicros() const { return lastTickMicros_ + TickMicros; }

    WireLog &wire() { return wire_; }
    const WireLog &wire() const { return wire_; }
    qint64 bytesReceivedInAll() const { return receivedInAll_; }
    qint64 bytesSentInAll() const { return sentInAll_; }
    void countSent(qint64 bytes) { sentInAll_ += bytes; }

    static constexpr qint64 TickMicros = 10000;

private:
    QByteArray takeFrame();

    ControllerEngine engine_;
    Car car_;
    std::optional<Replay> replay_;
    QVector<QByteArray> fixedFrames_;
    int nextFrame_ = 0;
    int pacingMicros_ = 1040;
    FaultSetting fault_;
    int hangUpCountdown_ = 0;
    quint64 faultGeneration_ = 0;
    QRandomGenerator random_{1};  // fixed seed: garbage is the same on every run
    ReplyQueue replies_;
    WireLog wire_;
    qint64 receivedInAll_ = 0;
    qint64 sentInAll_ = 0;
    qint64 lastTickMicros_ = 0;
    qint64 nowMicros_ = 0;  // of the bytes being received, for the live frame they ask for
    ScenarioRunner scenario_;
};

} // namespace qxsim
