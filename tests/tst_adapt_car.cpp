// Steps 1 to 3 fed the live frames of the simulated car, one every 100 ms,
// as the step timers would take them.
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "LiveAverage.h"
#include "LiveSample.h"
#include "ProbeCalibrationStep.h"
#include "ProtocolTables.h"
#include "ReplyBuffer.h"
#include "SimCar.h"
#include "SimLiveFrame.h"
#include "SimParameterBlock.h"
#include "TemperatureStep.h"
#include "TestBytes.h"
#include "TpsThresholdStep.h"

#include <QtTest>

using namespace qx;

namespace {

constexpr double TickSeconds = 0.1;
constexpr int Rpm4800 = 4800; // the block's "4 cylindry"

// The car and the controller's block, and the live sample a tick reads.
struct SimulatedCar
{
    qxsim::Car car;
    QByteArray block = qxsim::defaultParameterBlock();
    int version = 8;

    void drive(double seconds)
    {
        const qxsim::ParameterBlock parameters(block);
        for (double t = 0; t < seconds - 1e-9; t += 0.01)
            car.advance(0.01, parameters);
    }

    LiveSample sample()
    {
        drive(TickSeconds);
        const QByteArray frame = qxsim::liveFrame(car.state(), version, qxsim::ParameterBlock(block));
        ReplyBuffer reply;
        reply.store(frame);
        reply.DecodeReply(qx::liveFrameLength(version));
        return liveSample(reply, int(frame.size()), true, version, false);
    }

    void start(double rpm)
    {
        car.setEngineRunning(true);
        car.setTargetRpm(rpm, 0.5);
        drive(2);
    }
};

} // namespace

class TestAdaptCar : public QObject
{
    Q_OBJECT

private slots:
    // The car's probe, not the controller's setting, decides the scale and
    // the probe range the adaptation then writes. The controller is set the
    // other way round each time.
    void calibrationOfTheCarsProbe_data()
    {
        QTest::addColumn<int>("probe");
        QTest::addColumn<int>("controllerRange");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("rangeCode");
        QTest::newRow("0-1 V probe") << int(qxsim::ProbeKind::Narrow) << 0 << 8 << false << 1;
        QTest::newRow("0-5 V probe") << int(qxsim::ProbeKind::Wide) << 1 << 8 << true << 0;
        QTest::newRow("0-5 V probe, version 5 checksums") << int(qxsim::ProbeKind::Wide) << 1 << 5 << true << 0;
    }
    void calibrationOfTheCarsProbe()
    {
        QFETCH(int, probe);
        QFETCH(int, controllerRange);
        SimulatedCar sim;
        QFETCH(int, version);
        sim.version = version;
        sim.block = blockBytes({{31, controllerRange}}, sim.block);
        sim.car.setProbe(qxsim::ProbeKind(probe));
        sim.start(2200);

        AdaptationState state;
        LiveAverage average;
        ProbeCalibrationStep step(state, average);
        step.start();
        int ticks = 0;
        while (!step.view().calibrated && ticks < 50) {
            const LiveSample sample = sim.sample();
            QVERIFY(sample.fresh);
            step.tick(sample, Rpm4800);
            ++ticks;
        }
        QCOMPARE(ticks, 50);
        QVERIFY(step.view().calibrated);
        QTEST(step.view().wideScale, "wide");
        QTEST(probeRangeCode(state.ProbeRich).value_or(-1), "rangeCode");
        QVERIFY2(state.ProbeThreshold > 0, qPrintable(QString::number(state.ProbeThreshold)));
    }

    // A falling TPS: the idle reading is the high one, the threshold lies a
    // tenth of the travel below it, and it is parked at 0.
    void fallingTpsOnTheCar()
    {
        SimulatedCar sim;
        sim.car.setTpsFalling(true);
        sim.start(800);

        AdaptationState state;
        LiveAverage average;
        TpsThresholdStep step(state, average);
        QCOMPARE(step.start(sim.sample()).idleVolts, QStringLiteral("11.50"));
        sim.car.setThrottle(40, 0.3);
        sim.car.setTargetRpm(3200, 1);
        for (int ticks = 0; ticks < 50 && !step.view().finished; ++ticks)
            step.tick(sim.sample(), Rpm4800);
        QVERIFY(step.view().finished);
        QCOMPARE((QList<int>{state.TpsIdle, state.TpsFull, state.TpsThreshold, state.TpsRising, state.TpsParked}),
                 (QList<int>{230, 142, 221, 0, 0}));
    }

    // The engine warms up along a ramp; Next comes free at the first reading
    // above 130 and not a tick before.
    void warmUpFreesNext()
    {
        SimulatedCar sim;
        sim.car.setCoolant(20);
        sim.start(800);
        sim.car.setCoolant(50, 15);

        LiveAverage average;
        TemperatureStep step(average);
        step.start(true);
        for (int ticks = 0; ticks < 200 && !step.view().nextEnabled; ++ticks) {
            const LiveSample temperature = sim.sample();
            step.tick(temperature, sim.sample(), Rpm4800);
            QCOMPARE(step.view().nextEnabled, temperature.temperature > 130);
        }
        QVERIFY(step.view().nextEnabled);
        QCOMPARE(step.view().speed->shown, 800);
    }
};

QTEST_GUILESS_MAIN(TestAdaptCar)
#include "tst_adapt_car.moc"
