// Steps 6 to 8 of the adaptation fed one sample per tick: the changeover to
// gas, the reducer adjustment and the stepper calibration with its lambda
// times, and what a stalled engine, a car back on petrol or a stale frame do
// to them.
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "ChangeoverStep.h"
#include "LambdaTime.h"
#include "LiveAverage.h"
#include "LiveFrames.h"
#include "ReducerStep.h"
#include "StepperCalibration.h"

#include <QtTest>

using namespace qx;

namespace {

constexpr int Rpm4800 = 4800;
// Periods at 4800 and the speeds they show.
constexpr int At800 = 4800;
constexpr int At1250 = 3072;
constexpr int At1300 = 2954;
constexpr int At2050 = 1873;
constexpr int At2500 = 1536;
constexpr int Stalled = 65535; // the controller's counter runs out: shown 0
constexpr int OnPetrol = 255;

// Step 8 after a 0-1 V calibration (rich 45, threshold 27: the probe's
// middle is 36).
struct Calibration
{
    AdaptationState state;
    LiveAverage average;
    StepperCalibration step{state, average};

    Calibration()
    {
        state.ProbeRich = 45;
        state.ProbeThreshold = 27;
        step.start();
    }

    // Ticks at one speed, the stepper bytes taken in turn.
    void run(int ticks, int period, const QList<int> &stepperBytes)
    {
        for (int i = 0; i < ticks; ++i)
            step.tick(fresh(0, 0, 0, period, stepperBytes[i % stepperBytes.size()]), Rpm4800);
    }

    // The speed average shared with the live pages lags four ticks behind a
    // new speed; these ticks bring it there unmeasured, on petrol.
    void settle(int period) { run(5, period, {OnPetrol}); }

    // The idle phase done on bytes 175 … 195 (StepperMin 58), and the engine
    // brought above 2000 rpm.
    void idlePhase()
    {
        settle(At800);
        run(StepperCalibration::PhaseTicks + 1, At800, {185, 175, 195});
        settle(At2500);
    }

    // High-phase ticks at 2500 rpm, stepper byte 150, with these probe readings.
    void probeReadings(const QList<int> &readings)
    {
        for (int reading : readings)
            step.tick(fresh(reading, 0, 0, At2500, 150), Rpm4800);
    }
};

QList<int> repeated(const QList<int> &list, int times)
{
    QList<int> all;
    for (int i = 0; i < times; ++i)
        all += list;
    return all;
}

// Probe readings as runs of {rich, ticks}: rich reads 40, lean 10.
QList<int> runs(std::initializer_list<std::pair<bool, int>> sides)
{
    QList<int> readings;
    for (const auto &[rich, ticks] : sides)
        readings += QList<int>(ticks, rich ? 40 : 10);
    return readings;
}

} // namespace

Q_DECLARE_METATYPE(qx::LiveSample)

class TestAdaptCalibration : public QObject
{
    Q_OBJECT

private slots:
    // --- step 6 ---

    void changeoverStart_data()
    {
        QTest::addColumn<int>("parked");
        QTest::newRow("rising TPS parks at 250") << 250;
        QTest::newRow("falling TPS parks at 0") << 0;
    }

    // What the first adaptation set carries: the stepper held near one
    // position, 800 ms lambda times, a threshold the throttle never crosses.
    void changeoverStart()
    {
        QFETCH(int, parked);
        AdaptationState state;
        state.TpsThreshold = 27;
        state.TpsParked = parked;
        LiveAverage average;
        ChangeoverStep step(state, average);
        QVERIFY(!step.start().changedOver);
        QCOMPARE(QList<int>({state.StepperMin, state.StepperMax, state.StepperStart}), QList<int>({79, 80, 81}));
        QCOMPARE(QList<int>({state.LambdaTimeRich, state.LambdaTimeLean}), QList<int>({800, 800}));
        QCOMPARE(state.TpsThresholdToWrite, parked);
        const LambdaTickPair ticks = adaptationLambdaTicks(state.LambdaTimeRich, state.LambdaTimeLean);
        QCOMPARE(QList<int>({ticks.rich, ticks.sum}), QList<int>({195, 390}));
    }

    void changeover_data()
    {
        QTest::addColumn<LiveSample>("sample");
        QTest::addColumn<int>("rpmConstant");
        QTest::addColumn<bool>("changedOver");
        QTest::newRow("254: on gas") << fresh(0, 0, 0, At800, 254) << Rpm4800 << true;
        QTest::newRow("255: still on petrol") << fresh(0, 0, 0, At800, OnPetrol) << Rpm4800 << false;
        QTest::newRow("RPM constant 0: no speed, no test") << fresh(0, 0, 0, At800, 254) << 0 << false;
        QTest::newRow("period 0: no speed, no test") << fresh(0, 0, 0, 0, 254) << Rpm4800 << false;
        QTest::newRow("a stale frame") << stale(0, 0, 0, At800, 254) << Rpm4800 << false;
    }
    void changeover()
    {
        QFETCH(LiveSample, sample);
        QFETCH(int, rpmConstant);
        AdaptationState state;
        LiveAverage average;
        ChangeoverStep step(state, average);
        step.start();
        for (int i = 0; i < 10; ++i)
            step.tick(sample, rpmConstant);
        QTEST(step.view().changedOver, "changedOver");
    }

    // Once changed over the step holds its result; a new start waits again.
    void changeoverHoldsUntilStartedAgain()
    {
        AdaptationState state;
        LiveAverage average;
        ChangeoverStep step(state, average);
        step.start();
        QVERIFY(step.tick(fresh(0, 0, 0, At2500, 175), Rpm4800).changedOver);
        QCOMPARE(step.view().speed->shown, 2500);
        const ChangeoverView &view = step.tick(fresh(0, 0, 0, At800, OnPetrol), Rpm4800);
        QVERIFY(view.changedOver);
        QCOMPARE(view.speed->shown, 2500);
        QVERIFY(!step.start().changedOver);
        QVERIFY(!step.tick(fresh(0, 0, 0, At800, OnPetrol), Rpm4800).changedOver);
    }

    // --- step 7 ---

    void reducer_data()
    {
        QTest::addColumn<int>("wideScale");
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("rich");
        QTest::newRow("narrow, 30 waits") << 0 << 30 << 50 << false;
        QTest::newRow("narrow, 31 is rich") << 0 << 31 << 50 << true;
        QTest::newRow("wide, 30 waits") << 1 << 30 << 255 << false;
        QTest::newRow("wide, 31 is rich") << 1 << 31 << 255 << true;
        QTest::newRow("narrow, 40 fills four fifths") << 0 << 40 << 50 << true;
        QTest::newRow("wide, 40 fills less than a sixth") << 1 << 40 << 255 << true;
    }
    void reducer()
    {
        QFETCH(int, wideScale);
        QFETCH(int, reading);
        QFETCH(int, top);
        AdaptationState state;
        state.ProbeWideScale = wideScale;
        ReducerStep step(state);
        const ReducerView &view = step.start();
        QCOMPARE(view.reading, 0);
        QVERIFY(!view.rich);
        QTEST(view.barTop, "top");
        step.tick(fresh(reading, 0, 0, At800, 175));
        QCOMPARE(view.reading, reading);
        QTEST(view.rich, "rich");
        if (reading == 40)
            QVERIFY(wideScale ? 6 * reading < top : 5 * reading == 4 * top);
    }

    // Rich once is rich for good: the bar follows the probe, the LED and
    // Next stay; a stale frame changes nothing; a new start waits again.
    void reducerStaysRich()
    {
        AdaptationState state;
        ReducerStep step(state);
        step.start();
        QVERIFY(!step.tick(stale(45, 0, 0, At800, 175)).rich);
        QCOMPARE(step.view().reading, 0);
        QVERIFY(step.tick(fresh(45, 0, 0, At800, 175)).rich);
        const ReducerView &view = step.tick(fresh(5, 0, 0, At800, 175));
        QVERIFY(view.rich);
        QCOMPARE(view.reading, 5);
        QVERIFY(!step.start().rich);
    }

    // --- step 8: the results ---

    void stepperMinimum_data()
    {
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("minimum");
        QTest::newRow("60: 58.16 gives 58") << 60 << 235 << 58;
        QTest::newRow("50: 48.5 gives 48") << 50 << 196 << 48;
        QTest::newRow("150: 145.5 gives 146") << 150 << 588 << 146;
        QTest::newRow("250: 242.5 gives 242") << 250 << 980 << 242;
        QTest::newRow("0 stays 0") << 0 << 0 << 0;
        QTest::newRow("255: 247") << 255 << 1000 << 247;
    }
    void stepperMinimum()
    {
        QFETCH(int, lowest);
        QTEST(stepperBarPosition(lowest), "position");
        QTEST(qx::stepperMinimum(lowest), "minimum");
    }

    void stepperUpper_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("start");
        QTest::newRow("150: 180 and 131") << 150 << 58 << 180 << 131;
        QTest::newRow("230: 276 limited to 255, start from 276") << 230 << 58 << 255 << 189;
        QTest::newRow("start limited to 255") << 255 << 247 << 255 << 255;
        QTest::newRow("highest below the minimum: max raised to it") << 20 << 58 << 58 << 58;
        QTest::newRow("nothing above 0") << 0 << 0 << 0 << 0;
    }
    void stepperUpper()
    {
        QFETCH(int, highest);
        QFETCH(int, minimum);
        const StepperUpper upper = qx::stepperUpper(highest, minimum);
        QTEST(upper.max, "max");
        QTEST(upper.start, "start");
    }

    void lambdaTimes_data()
    {
        QTest::addColumn<QVector<int>>("stretches");
        QTest::addColumn<int>("ms"); // -1: none, the time stays
        QTest::newRow("none") << QVector<int>{} << -1;
        QTest::newRow("one is not enough") << QVector<int>{5} << -1;
        QTest::newRow("two of one tick: 85") << QVector<int>{1, 1} << 85;
        QTest::newRow("two of two ticks: 170, the last one counts") << QVector<int>{2, 2} << 170;
        QTest::newRow("mean 1.5: 127.5 gives 128") << QVector<int>{1, 2} << 128;
        QTest::newRow("mean 2.5: 212.5 gives 212") << QVector<int>{2, 3} << 212;
        QTest::newRow("81 over 10: 689, where exact decimals give 688") << (QVector<int>(9, 8) << 9) << 689;
        QTest::newRow("99 over 34: 247") << (QVector<int>(31, 3) + QVector<int>(3, 2)) << 247;
        QTest::newRow("57 over 34: 143") << (QVector<int>(23, 2) + QVector<int>(11, 1)) << 143;
        QTest::newRow("two of 150 ticks") << QVector<int>{150, 150} << 12750;
    }
    void lambdaTimes()
    {
        QFETCH(QVector<int>, stretches);
        QTEST(lambdaTimeFromStretches(stretches).value_or(-1), "ms");
    }

    // --- step 8: the run ---

    // Three hundred measuring ticks, then the phase completes on the next.
    void idlePhaseCompletesOnTick301()
    {
        Calibration c;
        c.run(150, At800, {185, 175, 195});
        QCOMPARE(c.step.view().progress, 50);
        QCOMPARE(c.step.view().minText, QStringLiteral("60"));
        c.run(150, At800, {185, 175, 195});
        QCOMPARE(c.step.view().progress, 100);
        QCOMPARE(c.step.view().phase, StepperPhase::Idle);
        QVERIFY(!c.step.view().minFound);
        QCOMPARE(c.state.StepperMin, 10);
        const StepperView &view = c.step.tick(fresh(0, 0, 0, At800, 254), Rpm4800);
        QCOMPARE(view.phase, StepperPhase::High);
        QVERIFY(view.minFound);
        QCOMPARE(c.state.StepperMin, 58);
        QCOMPARE(view.minText, QStringLiteral("58"));
        QCOMPARE(view.progress, 0);
        QCOMPARE(view.stepperBar, 0);
        QCOMPARE(c.state.StepProgress, 0);
    }

    // The whole step: idle bytes 175 … 195, highest bar 150 above 2000 rpm.
    // The final write then carries 197, 75 and 124.
    void highPhaseCompletesOnTick301()
    {
        Calibration c;
        c.idlePhase();
        c.run(299, At2500, {200, 105, 180});
        QCOMPARE(c.step.view().maxText, QStringLiteral("150"));
        c.run(1, At2500, {130});
        QCOMPARE(c.step.view().progress, 100);
        QCOMPARE(c.step.view().phase, StepperPhase::High);
        const StepperView &view = c.step.tick(fresh(0, 0, 0, At2500, 254), Rpm4800);
        QCOMPARE(view.phase, StepperPhase::Finished);
        QCOMPARE(QList<int>({c.state.StepperMin, c.state.StepperMax, c.state.StepperStart}), QList<int>({58, 180, 131}));
        QCOMPARE(QStringList({view.minText, view.maxText, view.startText}), QStringList({"58", "180", "131"}));
        QCOMPARE(view.progress, 0);
        QCOMPARE(QList<int>({255 - c.state.StepperMin, 255 - c.state.StepperMax, 255 - c.state.StepperStart}),
                 QList<int>({197, 75, 124}));
        // Finished: later ticks change nothing.
        c.run(50, At800, {0});
        QCOMPARE(c.state.StepperMin, 58);
        QCOMPARE(c.step.view().stepperBar, 255 - 130);
    }

    void phaseSpeeds_data()
    {
        QTest::addColumn<bool>("highPhase");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("counts");
        QTest::newRow("idle at 1250 counts") << false << At1250 << 1250 << true;
        QTest::newRow("idle at 1300 pauses") << false << At1300 << 1300 << false;
        QTest::newRow("stalled, shown 0, pauses whatever the stepper byte") << false << Stalled << 0 << false;
        QTest::newRow("high at 2000 pauses") << true << At2000 << 2000 << false;
        QTest::newRow("high at 2050 counts") << true << At2050 << 2050 << true;
        QTest::newRow("high at 800 pauses") << true << At800 << 800 << false;
    }
    void phaseSpeeds()
    {
        QFETCH(bool, highPhase);
        QFETCH(int, period);
        QFETCH(bool, counts);
        Calibration c;
        if (highPhase)
            c.idlePhase();
        c.settle(period);
        c.run(10, period, {180});
        QTEST(c.step.view().speed->shown, "shown");
        QCOMPARE(c.state.StepProgress, counts ? 10 : 0);
        QCOMPARE(c.step.view().stepperBar, counts ? 75 : (highPhase ? 0 : 255));
    }

    // A stalled engine reads shown 0 and, back on petrol, the closed stepper
    // byte 255: neither is a stepper position, and the phase waits for the
    // engine to run on gas again. Stale frames are not measured either.
    void onlyARunningEngineOnGasIsMeasured_data()
    {
        QTest::addColumn<bool>("highPhase");
        QTest::addColumn<LiveSample>("sample");
        QTest::newRow("idle, stalled") << false << fresh(0, 0, 0, Stalled, OnPetrol);
        QTest::newRow("idle, running on petrol") << false << fresh(0, 0, 0, At800, OnPetrol);
        QTest::newRow("idle, stale frame") << false << stale(0, 0, 0, At800, 250);
        QTest::newRow("high, back on petrol") << true << fresh(0, 0, 0, At2500, OnPetrol);
        QTest::newRow("high, stale frame") << true << stale(0, 0, 0, At2500, 0);
    }

    // Each bad sample, were it measured, would move the result: the closed
    // stepper to StepperMin 0, a wide-open one to StepperMax 255.
    void onlyARunningEngineOnGasIsMeasured()
    {
        QFETCH(bool, highPhase);
        QFETCH(LiveSample, sample);
        const int period = highPhase ? At2500 : At800;
        Calibration c;
        if (highPhase)
            c.idlePhase();
        else
            c.settle(At800);
        c.run(100, period, {185, 175, 195});
        for (int i = 0; i < 400; ++i)
            c.step.tick(sample, Rpm4800);
        QCOMPARE(c.state.StepProgress, 100);
        QCOMPARE(c.step.view().phase, highPhase ? StepperPhase::High : StepperPhase::Idle);
        c.settle(period);
        c.run(201, period, {185, 175, 195});
        QCOMPARE(c.step.view().phase, highPhase ? StepperPhase::Finished : StepperPhase::High);
        QCOMPARE(c.state.StepperMin, 58);
        if (highPhase)
            QCOMPARE(c.state.StepperMax, qx::stepperUpper(80, 58).max);
    }

    // The stretches of the probe above 2000 rpm and the lambda times they
    // give; a stretch still running at the end is not counted.
    void stretches_data()
    {
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<int>("richCount");
        QTest::addColumn<int>("leanCount");
        QTest::addColumn<int>("rich");
        QTest::addColumn<int>("lean");
        const auto row = [](const char *name, const QList<int> &readings, int richCount, int leanCount, int rich,
                            int lean) {
            QTest::newRow(name) << readings << richCount << leanCount << rich << lean;
        };
        row("none: always lean", runs({{false, 300}}), 0, 0, 800, 800);
        row("one lean stretch", runs({{false, 150}, {true, 150}}), 0, 1, 800, 800);
        row("two lean stretches of one tick", runs({{false, 1}, {true, 1}, {false, 1}, {true, 297}}), 1, 2, 800, 85);
        row("two of two ticks each side", runs({{true, 2}, {false, 2}, {true, 2}, {false, 2}, {true, 2}, {false, 290}}),
            3, 2, 170, 170);
        row("one tick each, all along", repeated({10, 40}, 150), 149, 150, 85, 85);
        row("long: 50 ticks each, over 4000 ms",
            runs({{false, 50}, {true, 50}, {false, 50}, {true, 50}, {false, 50}, {true, 50}}), 2, 3, 4250, 4250);
        row("the middle reading 36 is rich, 35 lean", repeated({35, 36, 36, 35, 35, 35, 36, 36, 36, 36}, 30), 59, 60,
            254, 170);
    }
    void stretches()
    {
        QFETCH(QList<int>, readings);
        QCOMPARE(readings.size(), 300);
        Calibration c;
        c.idlePhase();
        c.probeReadings(readings);
        QTEST(c.state.RichCount, "richCount");
        QTEST(c.state.LeanCount, "leanCount");
        QCOMPARE(c.state.RichDurations.size(), c.state.RichCount);
        QCOMPARE(c.state.LambdaTimeRich, 800);
        c.probeReadings({10});
        QCOMPARE(c.step.view().phase, StepperPhase::Finished);
        QTEST(c.state.LambdaTimeRich, "rich");
        QTEST(c.state.LambdaTimeLean, "lean");
    }

    // Times above 4000 ms are kept but cannot be written: the write falls
    // back to 700 and 1400 ms.
    void longTimesFallBackInTheWrite()
    {
        Calibration c;
        c.idlePhase();
        c.probeReadings(repeated(runs({{false, 50}, {true, 50}}), 3) << 10);
        QCOMPARE(c.state.LambdaTimeRich, 4250);
        const LambdaTickPair ticks = adaptationLambdaTicks(c.state.LambdaTimeRich, c.state.LambdaTimeLean);
        QCOMPARE(QList<int>({ticks.rich, ticks.sum}), QList<int>({171, 342}));
    }

    // Running the step again on the same probe signal gives the same times:
    // the stretches of the first run are forgotten.
    void aSecondRunGivesTheSameTimes()
    {
        const QList<int> readings = repeated(QList<int>({10, 10, 40, 40, 40, 10, 40}), 43);
        Calibration c;
        int times[2][2];
        for (auto &run : times) {
            c.step.start();
            c.idlePhase();
            c.probeReadings(readings);
            run[0] = c.state.LambdaTimeRich;
            run[1] = c.state.LambdaTimeLean;
        }
        QCOMPARE(c.step.view().phase, StepperPhase::Finished);
        QCOMPARE(times[1][0], times[0][0]);
        QCOMPARE(times[1][1], times[0][1]);
        QVERIFY(times[0][0] != 800 && times[0][1] != 800);
    }
};

QTEST_GUILESS_MAIN(TestAdaptCalibration)
#include "tst_adapt_calibration.moc"
