#pragma once

#include "SimCar.h"
#include "SimControllerEngine.h"
#include "SimFault.h"
#include "SimParameterBlock.h"
#include "SimReplay.h"
#include "SimWireLog.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace qxsim {

class Scenario;

// The Quorvantix controller on a pseudo-terminal, linked as a port (com1 by
// default) so the program finds it like a real one. Its engine answers from
// a thread of its own, so a caller may block its own thread while the
// simulator replies. Every member is safe to call from any thread.
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

    // The controller
    void setVersion(int version);  // 3..8
    int version() const;
    void setParameterBlock(const QByteArray &block37);
    QByteArray parameterBlock() const;
    void setAnalogThreshold(quint8 threshold);
    quint8 analogThreshold() const;
    // A fixed reply to the live-data request instead of the car's; empty
    // gives the car back.
    void setLiveFrame(const QByteArray &frame);
    // Fixed replies taken in turn, one per live-data request, starting over
    // after the last; none gives the car back.
    void setLiveFrames(const QVector<QByteArray> &frames);
    // What the live-data request would get now, before any fault.
    QByteArray currentLiveFrame() const;
    bool inConfigurationBlock() const;
    // Answers the live-data requests with the recorded drive from the first
    // request on, as the recording's controller: its version, and its probe,
    // reserve sensor and ignition in the parameter block.
    void setReplay(const qxrec::DriveRecording &recording, bool loop);
    // Where the replay is; nothing without one.
    std::optional<ReplayPosition> replayPosition() const;
    void setReplyPacingMicros(int micros);  // default 1040, as at 9600 baud
    // A negative argument takes the fault's default (see faultHelp()).
    // Returns once the engine has acted on a port-level fault.
    void setFault(Fault fault, int argument = -1);
    FaultSetting fault() const;

    // The car
    void setEngineRunning(bool running);
    void setTargetRpm(int rpm, double rampSeconds = 1.0);
    void setThrottle(int percent, double rampSeconds = 0.3);
    void setReducerScrew(int screw);       // -100 lean .. +100 rich
    // Car::AmbientCelsius: start cold; Car::WarmCelsius: warm now; with
    // seconds, reached along a ramp.
    void setCoolant(double celsius, double rampSeconds = 0);
    // The car's own lambda probe (ProbeKind::Auto: as the controller is set).
    void setProbe(ProbeKind kind, double deadVolts = 0);
    void setTpsFalling(bool falling);
    // The stepper position the car needs at idle and its rise per 1000 rpm
    // (100 and 15 at first): what the stepper calibration finds.
    void setMixture(double idlePosition, double risePer1000);
    void setGasLevel(double percent);
    CarState carState() const;
    int targetRpm() const;

    // Runs the scenario's steps from now on, in place of any earlier one.
    void runScenario(const Scenario &scenario);

    // Called on the simulator's own thread with each byte the program sends,
    // before the controller takes it: a test's look at the world at the
    // moment a byte arrives. Keep it short; nullptr removes it.
    void setReceiveHook(std::function<void(quint8 byte)> hook);

    // The wire log
    QVector<WireEvent> wireLog() const;
    QVector<WireEvent> newestWireEvents(int count) const;
    void clearWireLog();
    bool setWireLogFile(const QString &path);  // false: see errorString()
    // True once the program has sent at least that many bytes since the log
    // was last cleared.
    bool waitForWireBytes(int countFromProgram, int timeoutMs) const;

    // Bytes read from the program and sent to it since the start; clearing
    // the wire log leaves these counts alone.
    qint64 bytesReceivedInAll() const;
    qint64 bytesSentInAll() const;
    // True once the simulator has read that many bytes in all and has sent
    // every reply byte it queued for them, a slow reply's included.
    bool waitUntilAnswered(qint64 receivedInAll, int timeoutMs) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace qxsim
