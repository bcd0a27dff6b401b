// Steps 1 to 3 of the adaptation fed one sample per tick: what they show,
// what they hand on, and what a stale frame, a stalled engine or a dead
// probe do to them.
#include "AdaptationState.h"
#include "LiveAverage.h"
#include "ProtocolTables.h"
#include "LiveFrames.h"
#include "ProbeCalibrationStep.h"
#include "TemperatureStep.h"
#include "TpsThresholdStep.h"

#include <QtTest>

using namespace qx;

namespace {

constexpr int Rpm4800 = 4800;
constexpr int At2950 = 1291; // periods at 4800
constexpr int At3000 = 1290;
constexpr int At1550 = 2439;
constexpr int At1600 = 2438;

// The TPS step and the state it fills.
struct Tps
{
    AdaptationState state;
    LiveAverage average;
    TpsThresholdStep step{state, average};
};

// The probe step run over readings taken in turn, at 2000 rpm unless told.
struct Calibration
{
    AdaptationState state;
    LiveAverage average;
    ProbeCalibrationStep step{state, average};

    const ProbeStepView &run(const QList<int> &readings, int ticks, int period = At2000)
    {
        step.start();
        for (int i = 0; i < ticks; ++i)
            step.tick(fresh(readings[i % readings.size()], 0, 0, period), Rpm4800);
        return step.view();
    }
};

} // namespace

class TestAdaptSteps : public QObject
{
    Q_OBJECT

private slots:
    // --- step 1 ---

    void warmEnoughAbove130_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("130 is not warm") << 130 << false;
        QTest::newRow("131 is") << 131 << true;
    }
    void warmEnoughAbove130()
    {
        QFETCH(int, reading);
        LiveAverage average;
        TemperatureStep step(average);
        QVERIFY(!step.start(true).nextEnabled);
        const TemperatureView &view = step.tick(fresh(0, 0, reading, 0), fresh(0, 20, 0, At2000), Rpm4800);
        QCOMPARE(view.thermometer, std::optional<int>(reading));
        QTEST(view.nextEnabled, "enabled");
        // Cooling down again never takes the button back.
        QTEST(step.tick(fresh(0, 0, 100, 0), fresh(0, 20, 0, At2000), Rpm4800).nextEnabled, "enabled");
    }

    void withoutSensorNextIsFreeAtOnce()
    {
        LiveAverage average;
        TemperatureStep step(average);
        QVERIFY(step.start(false).nextEnabled);
    }

    // The first request of a tick feeds the thermometer, the second the speed;
    // a stale one of them changes only its own part.
    void eachRequestFeedsItsOwnPart()
    {
        LiveAverage average;
        TemperatureStep step(average);
        step.start(true);
        TemperatureView view = step.tick(stale(0, 0, 140, At2000), fresh(0, 20, 0, At3000), Rpm4800);
        QVERIFY(!view.thermometer);
        QVERIFY(!view.nextEnabled);
        QCOMPARE(view.speed->shown, 3000);
        view = step.tick(fresh(0, 0, 120, At3000), stale(0, 20, 0, At2000), Rpm4800);
        QCOMPARE(view.thermometer, std::optional<int>(120));
        QCOMPARE(view.speed->shown, 3000);
        QCOMPARE(average.fillCount(), 1);
    }

    // A different ignition type changes the speed from the next tick on.
    void ignitionTypeSetsTheConstant_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("constant"); // 0: none, the constant stays
        QTest::newRow("coil per cylinder") << 0 << 19200;
        QTest::newRow("double coil") << 1 << 9600;
        QTest::newRow("4 cylinders") << 2 << 4800;
        QTest::newRow("5 cylinders") << 3 << 4000;
        QTest::newRow("6 cylinders") << 4 << 3200;
        QTest::newRow("8 cylinders") << 5 << 2400;
        QTest::newRow("no selection") << -1 << 0;
        QTest::newRow("past the list") << 6 << 0;
    }
    void ignitionTypeSetsTheConstant()
    {
        QFETCH(int, index);
        QFETCH(int, constant);
        QCOMPARE(rpmConstantForIgnitionIndex(index), constant);
        if (constant == 0)
            return;
        LiveAverage average;
        TemperatureStep step(average);
        QCOMPARE(step.tick(stale(0, 20, 0, 0), fresh(0, 20, 0, 1920), constant).speed->rpm,
                 qRound(constant * 800.0 / 1920));
    }

    // --- step 2 ---

    void tpsThreshold_data()
    {
        QTest::addColumn<int>("idle");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("rising");
        QTest::addColumn<int>("parked");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("rising 20 to 90") << 20 << 90 << 27 << 1 << 250 << QStringList{"1.00", "4.50", "1.35"};
        QTest::newRow("falling 200 to 40") << 200 << 40 << 184 << 0 << 0 << QStringList{"10.00", "2.00", "9.20"};
        QTest::newRow("0 and 5: half a step rounds to 0") << 0 << 5 << 0 << 1 << 250 << QStringList{"0.00", "0.25", "0.00"};
        QTest::newRow("1 and 6: 1.5 rounds to 2") << 1 << 6 << 2 << 1 << 250 << QStringList{"0.05", "0.30", "0.10"};
        QTest::newRow("falling 6 to 1: 5.5 rounds to 6") << 6 << 1 << 6 << 0 << 0 << QStringList{"0.30", "0.05", "0.30"};
        QTest::newRow("equal counts as rising") << 50 << 50 << 50 << 1 << 250 << QStringList{"2.50", "2.50", "2.50"};
        QTest::newRow("full travel") << 0 << 255 << 26 << 1 << 250 << QStringList{"0.00", "12.75", "1.30"};
    }
    void tpsThreshold()
    {
        QFETCH(int, idle);
        QFETCH(int, full);
        Tps t;
        t.step.start(fresh(0, idle, 0, 0));
        const TpsStepView &view = t.step.tick(fresh(0, full, 0, At3000), Rpm4800);
        QVERIFY(view.finished);
        QTEST(QStringList({view.idleVolts, view.fullVolts, view.thresholdVolts}), "texts");
        QCOMPARE(t.state.TpsIdle, idle);
        QCOMPARE(t.state.TpsFull, full);
        QTEST(t.state.TpsThreshold, "threshold");
        QTEST(t.state.TpsRising, "rising");
        QTEST(t.state.TpsParked, "parked");
    }

    void tpsCompletesAtAShown3000()
    {
        Tps t;
        TpsStepView view = t.step.start(fresh(0, 20, 0, 0));
        QCOMPARE(view.idleVolts, QStringLiteral("1.00"));
        QVERIFY(view.fullVolts.isEmpty() && view.thresholdVolts.isEmpty() && !view.finished);
        view = t.step.tick(fresh(0, 90, 0, At2950), Rpm4800);
        QCOMPARE(view.speed->shown, 2950);
        QVERIFY(!view.finished);
        QVERIFY(view.fullVolts.isEmpty());
        view = t.step.tick(fresh(0, 90, 0, At3000), Rpm4800);
        QVERIFY(view.finished);
        // Done: later samples change nothing.
        t.step.tick(fresh(0, 200, 0, At3000), Rpm4800);
        QCOMPARE(t.state.TpsFull, 90);
    }

    // Stale frames, a missing speed and an unknown constant never complete the step.
    void tpsIgnoresWhatItCannotTrust()
    {
        Tps t;
        t.step.start(fresh(0, 20, 0, 0));
        TpsStepView view = t.step.tick(stale(0, 90, 0, At3000), Rpm4800);
        QVERIFY(!view.finished && !view.speed);
        QCOMPARE(t.average.fillCount(), 0);
        view = t.step.tick(fresh(0, 90, 0, 0), Rpm4800);
        QVERIFY(!view.finished && !view.speed);
        view = t.step.tick(fresh(0, 90, 0, At3000), 0);
        QVERIFY(!view.finished);
        QCOMPARE(t.state.TpsFull, 0);
    }

    // Without a fresh idle frame at the start the next fresh tick takes the
    // idle reading and nothing else, however fast the engine turns.
    void tpsIdleFromTheFirstFreshTick()
    {
        Tps t;
        t.state.TpsIdle = 77;
        TpsStepView view = t.step.start(stale(0, 20, 0, 0));
        QVERIFY(view.idleVolts.isEmpty());
        QCOMPARE(t.state.TpsIdle, 77);
        view = t.step.tick(fresh(0, 30, 0, At3000), Rpm4800);
        QCOMPARE(view.idleVolts, QStringLiteral("1.50"));
        QVERIFY(!view.finished);
        QCOMPARE(t.state.TpsIdle, 30);
        view = t.step.tick(fresh(0, 100, 0, At3000), Rpm4800);
        QVERIFY(view.finished);
        QCOMPARE(t.state.TpsThreshold, 37);
    }

    // Back from step 3 starts over with a new idle reading and empty panels.
    void tpsStartsOver()
    {
        Tps t;
        t.step.start(fresh(0, 20, 0, 0));
        t.step.tick(fresh(0, 90, 0, At3000), Rpm4800);
        const TpsStepView view = t.step.start(fresh(0, 40, 0, 0));
        QVERIFY(!view.finished);
        QCOMPARE(view.idleVolts, QStringLiteral("2.00"));
        QVERIFY(view.fullVolts.isEmpty() && view.thresholdVolts.isEmpty());
        QCOMPARE(t.state.TpsIdle, 40);
    }

    // --- step 3 ---

    void probeStartsBlank()
    {
        Calibration c;
        c.state.StepProgress = 100;
        const ProbeStepView view = c.step.start();
        QCOMPARE(view.progress, 3);
        QCOMPARE(QStringList({view.leanVolts, view.richVolts, view.thresholdVolts}),
                 QStringList({".......", ".......", "......."}));
        QVERIFY(!view.wideScale && !view.calibrated);
        QCOMPARE(c.state.StepProgress, 0);
        QCOMPARE(c.state.ProbeDivisor, 16.7);
        QCOMPARE(probeScale(false).endLabel, QStringLiteral("1 V"));
        QCOMPARE(probeScale(true).endLabel, QStringLiteral("5 V"));
    }

    void probeResults_data()
    {
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("rich");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char *name, const QList<int> &readings, bool wide, int rich, int threshold,
                            const QStringList &texts) {
            QTest::newRow(name) << readings << wide << rich << threshold << texts;
        };
        row("10 and 45 on the narrow scale", {10, 45}, false, 45, 27, {"0.19", "0.88", "0.52"});
        row("above 60 is recorded at the scale's end", {10, 70}, false, 60, 35, {"0.19", "1.17", "0.68"});
        row("79 keeps the narrow scale", {10, 79}, false, 60, 35, {"0.19", "1.17", "0.68"});
        row("80 switches to the wide scale", {10, 80}, true, 81, 45, {"0.19", "1.58", "0.88"});
        row("lean before rich on a 5 V probe", {26, 230}, true, 231, 129, {"0.50", "4.52", "2.52"});
        row("rich before lean on a 5 V probe", {230, 26}, true, 231, 129, {"0.50", "4.52", "2.52"});
        row("255 gives a rich level of 255, not 256", {0, 255}, true, 255, 128, {"0.00", "5.00", "2.50"});
        row("threshold at most 250 (4.90 V)", {250, 255}, true, 255, 250, {"4.92", "5.00", "4.90"});
        row("threshold at least 5 (0.10 V)", {0, 1}, false, 1, 5, {"0.00", "0.01", "0.09"});
    }
    void probeResults()
    {
        QFETCH(QList<int>, readings);
        Calibration c;
        const ProbeStepView &view = c.run(readings, 50);
        QVERIFY(view.calibrated);
        QCOMPARE(view.progress, 0);
        QTEST(view.wideScale, "wide");
        QTEST(c.state.ProbeWideScale == 1, "wide");
        QTEST(c.state.ProbeRich, "rich");
        QTEST(c.state.ProbeThreshold, "threshold");
        QTEST(QStringList({view.leanVolts, view.richVolts, view.thresholdVolts}), "texts");
    }

    // The count runs only while the shown speed is 1600 or more.
    void probeMeasuresFrom1600_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("calibrated");
        QTest::newRow("1550 waits") << At1550 << false;
        QTest::newRow("1600 counts") << At1600 << true;
    }
    void probeMeasuresFrom1600()
    {
        QFETCH(int, period);
        Calibration c;
        c.run({45, 10}, 50, period);
        QTEST(c.step.view().calibrated, "calibrated");
        if (!c.step.view().calibrated)
            QCOMPARE(c.step.view().progress, 3);
    }

    // Fifty fresh ticks, however many stale ones come between.
    void probeIgnoresStaleFrames()
    {
        Calibration c;
        c.step.start();
        for (int i = 0; i < 49; ++i) {
            c.step.tick(fresh(i % 2 ? 10 : 40, 0, 0, At2000), Rpm4800);
            c.step.tick(stale(200, 0, 0, At2000), Rpm4800);
            c.step.tick(stale(0, 0, 0, At2000), Rpm4800);
        }
        QCOMPARE(c.step.view().progress, 98);
        QVERIFY(!c.step.view().calibrated);
        QCOMPARE(c.step.tick(fresh(20, 0, 0, At2000), Rpm4800).calibrated, true);
        QCOMPARE(QList<int>({c.state.ProbeRich, c.state.ProbeThreshold}), QList<int>({40, 25}));
    }

    // An engine that stalls mid-calibration pauses the count, which goes on
    // once it runs again: fifty measuring ticks in all.
    void stalledEnginePausesTheCount()
    {
        constexpr int Stalled = 65535; // the controller's counter runs out
        Calibration c;
        c.step.start();
        int measuring = 0;
        const auto tick = [&](int period, int reading) {
            const int before = c.state.StepProgress;
            c.step.tick(fresh(reading, 0, 0, period), Rpm4800);
            measuring += c.state.StepProgress > before;
        };
        for (int i = 0; i < 20; ++i)
            tick(At2000, i % 2 ? 10 : 45);
        for (int i = 0; i < 10; ++i)
            tick(Stalled, 10);
        const int paused = c.state.StepProgress;
        for (int i = 0; i < 30; ++i)
            tick(Stalled, 10);
        QCOMPARE(c.state.StepProgress, paused);
        QVERIFY(!c.step.view().calibrated);
        for (int i = 0; i < 100 && !c.step.view().calibrated; ++i)
            tick(At2000, i % 2 ? 10 : 45);
        QVERIFY(c.step.view().calibrated);
        QCOMPARE(measuring, 50);
        QCOMPARE(c.state.ProbeRich, 45);
    }

    // After the result the extremes stay; later ticks show the same result.
    void laterTicksRepeatTheResult()
    {
        Calibration c;
        c.run({10, 45}, 50);
        const ProbeStepView &view = c.step.tick(fresh(200, 0, 0, At2000), Rpm4800);
        QVERIFY(view.calibrated);
        QVERIFY(!view.wideScale);
        QCOMPARE(c.state.ProbeRich, 45);
        QCOMPARE(view.richVolts, QStringLiteral("0.88"));
    }

    // The wide scale, once chosen, is what the controller is told, even when
    // the probe was last seen lean.
    void wideScaleStaysChosen()
    {
        Calibration c;
        c.run({230, 26, 26, 26}, 50);
        QCOMPARE(c.state.ProbeWideScale, 1);
        QCOMPARE(c.state.ProbeDivisor, 3.9);
    }

    // A new calibration forgets the readings of the last one.
    void aNewCalibrationStartsEmpty()
    {
        Calibration c;
        c.run({230, 26}, 50);
        const ProbeStepView &view = c.run({20, 30}, 50);
        QVERIFY(!view.wideScale);
        QCOMPARE(QList<int>({c.state.ProbeRich, c.state.ProbeThreshold}), QList<int>({30, 25}));
    }

    // A probe that never moves is not calibrated: the step starts over.
    void deadProbeStartsOver_data()
    {
        QTest::addColumn<int>("reading");
        QTest::newRow("stuck at 0 V") << 0;
        QTest::newRow("stuck at 0.45 V") << 23;
        QTest::newRow("stuck high, on the wide scale") << 200;
    }
    void deadProbeStartsOver()
    {
        QFETCH(int, reading);
        Calibration c;
        c.state.ProbeRich = 45;
        c.state.ProbeThreshold = 27;
        const ProbeStepView &view = c.run({reading}, 50);
        QVERIFY(!view.calibrated);
        QCOMPARE(view.progress, 3);
        QVERIFY(!view.wideScale);
        QCOMPARE(view.thresholdVolts, QStringLiteral("......."));
        QCOMPARE(QList<int>({c.state.StepProgress, c.state.ProbeRich, c.state.ProbeThreshold}),
                 QList<int>({0, 45, 27}));
        // Once it moves the next fifty ticks calibrate.
        for (int i = 0; i < 50; ++i)
            c.step.tick(fresh(i % 2 ? 10 : 45, 0, 0, At2000), Rpm4800);
        QVERIFY(c.step.view().calibrated);
        QCOMPARE(c.state.ProbeRich, 45);
    }
};

QTEST_GUILESS_MAIN(TestAdaptSteps)
#include "tst_adapt_steps.moc"
