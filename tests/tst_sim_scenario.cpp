// Scenario files and the command-line settings that share their commands.
#include "PtyPort.h"
#include "SimScenario.h"
#include "SimScenarioRunner.h"
#include "Simulator.h"

#include <QtTest>

using namespace qxsim;

namespace {

constexpr qint64 Second = 1000000;

QStringList commandsOf(const QVector<ScenarioStep> &steps)
{
    QStringList commands;
    for (const ScenarioStep &step : steps)
        commands << step.command;
    return commands;
}

void programSends(ScenarioRunner &runner, const char *hexBytes, qint64 atMicros)
{
    for (char byte : QByteArray::fromHex(hexBytes))
        runner.programSent(quint8(byte), atMicros);
}

Scenario parsed(const QString &text)
{
    Scenario scenario;
    QString error;
    if (!scenario.parse(text, &error))
        qFatal("%s", qPrintable(error));
    return scenario;
}

} // namespace

class TestSimScenario : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }

    void stepsInTimeOrder()
    {
        const Scenario scenario = parsed(QStringLiteral("# warm start\n"
                                                        "at 5 rpm 2500 over 2   # rev up\n"
                                                        "\n"
                                                        "at 0.5 engine on\n"
                                                        "at 5 fault slow=600\n"
                                                        "at 9 loop\n"));
        QList<double> times;
        for (const ScenarioStep &step : scenario.steps()) {
            times << step.atSeconds;
            QCOMPARE(bool(step.action), !step.restarts);
        }
        QCOMPARE(commandsOf(scenario.steps()), QStringList({"engine on", "rpm 2500 over 2", "fault slow=600", "loop"}));
        QCOMPARE(times, QList<double>({0.5, 5, 5, 9}));
        QVERIFY(scenario.steps().last().restarts);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("valid");
        for (const char *command : {"engine on", "rpm 3000", "throttle 40 over 1.5", "screw -20", "coolant warm",
                                    "coolant 45.5", "coolant 45 over 20", "coolant warm over 10", "gas 30", "version 8",
                                    "threshold 250", "fault hangup=3", "frame 0a 14 1e 28 32 3c 46 18 00", "frame car",
                                    "probe narrow", "probe wide", "probe band", "probe auto", "probe dead",
                                    "probe dead=0.45", "tps falling", "mixture 120", "mixture 120 per1000 -20",
                                    "frames 0a 14 1e 28 32 3c 46 18 00;0b1500"})
            QTest::newRow(command) << command << true;
        QTest::newRow("block of 37") << "block " + QString(74, QLatin1Char('0')) << true;
        // Unknown words, numbers out of range (rpm below idle, a dead probe's
        // volts above 5, the mixture past the stepper or rising too steeply),
        // ramps and rises without their number, stray words, bad hex; and "on"
        // is a line of its own, not a command.
        for (const char *command : {"engine sideways", "rpm 9000", "rpm 0", "rpm 3000 over", "rpm 3000 during 2",
                                    "coolant lukewarm", "coolant 45 over", "version 2", "fault gremlins", "frame 0a1",
                                    "block 0102", "honk", "probe dead=7", "probe narrow=1", "probe sideways",
                                    "tps sideways", "mixture 256", "mixture 120 per1000", "mixture 120 per1000 101",
                                    "mixture 120 over 20", "frames 0a14;", "frames 0a14;0b1", "on 1f 02 00"})
            QTest::newRow(command) << command << false;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(bool, valid);
        ScenarioStep step;
        QString error;
        QCOMPARE(Scenario::parseCommand(command, &step, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    // A mixture without its rise takes the car's first rise, not the last set.
    void mixtureReachesTheCar()
    {
        Simulator sim;
        ScenarioStep step;
        QString error;
        QVERIFY(Scenario::parseCommand("mixture 120 per1000 -20", &step, &error));
        sim.apply(step.action);
        QCOMPARE(sim->carState().mixturePosition, 120.0);
        QCOMPARE(sim->carState().mixtureRisePer1000, -20.0);
        QVERIFY(Scenario::parseCommand("mixture 60", &step, &error));
        sim.apply(step.action);
        QCOMPARE(sim->carState().mixturePosition, 60.0);
        QCOMPARE(sim->carState().mixtureRisePer1000, DefaultMixtureRisePer1000);
    }

    void errorsNameTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("linePrefix");
        QTest::newRow("missing time") << "at 1 engine on\nengine off\n" << "line 2:";
        QTest::newRow("negative time") << "at -1 engine on\n" << "line 1:";
        QTest::newRow("bad command after comments") << "# a\n# b\nat 2 rpm fast\n" << "line 3:";
        QTest::newRow("on without bytes") << "at 1 engine on\non zz\n" << "line 2:";
    }
    void errorsNameTheLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, linePrefix);
        Scenario scenario;
        QString error;
        QVERIFY(!scenario.parse(text, &error));
        QVERIFY2(error.startsWith(linePrefix), qPrintable(error));
    }

    // Times sort between two "on" lines, never across one.
    void onLinesSplitTheTimeline()
    {
        const Scenario scenario = parsed("at 5 rpm 2500\nat 1 engine on\non 1f 02 00 02\nat 3 throttle 40\nat 0 probe wide\n");
        QCOMPARE(commandsOf(scenario.steps()),
                 QStringList({"engine on", "rpm 2500", "on 1f 02 00 02", "probe wide", "throttle 40"}));
        QCOMPARE(scenario.steps().at(2).waitFor, QByteArray::fromHex("1f020002"));
        QVERIFY(!scenario.steps().at(2).action);
    }

    // The sequence is watched for from the start, so a program quicker than
    // the steps above is not missed; the steps below still come after them,
    // timed from the sequence.
    void stepsBelowOnWaitForTheProgram()
    {
        ScenarioRunner runner;
        runner.start(parsed("at 0 engine on\nat 2 rpm 2000\non 1f 02 00 02\nat 0 probe wide\nat 1.5 throttle 40\n").steps(), 0);
        QCOMPARE(commandsOf(runner.due(0)), QStringList({"engine on"}));
        programSends(runner, "1f 02 00 01 02", Second / 2); // not the sequence
        programSends(runner, "1f 1f 02 00 02", Second);
        QCOMPARE(commandsOf(runner.due(Second * 3 / 2)), QStringList());
        QCOMPARE(commandsOf(runner.due(2 * Second)), QStringList({"rpm 2000", "probe wide"}));
        QCOMPARE(commandsOf(runner.due(Second * 5 / 2 - 1)), QStringList());
        QCOMPARE(commandsOf(runner.due(Second * 5 / 2)), QStringList({"throttle 40"}));
    }

    void withoutTheSequenceNothingBelowRuns()
    {
        ScenarioRunner runner;
        runner.start(parsed("on 02\nat 0 engine on\non 02\nat 0 engine off\n").steps(), 0);
        QVERIFY(runner.due(100 * Second).isEmpty());
        programSends(runner, "02", 101 * Second);
        QCOMPARE(commandsOf(runner.due(101 * Second)), QStringList({"engine on"}));
        // The second wait needs a byte of its own.
        QVERIFY(runner.due(200 * Second).isEmpty());
        programSends(runner, "02", 201 * Second);
        QCOMPARE(commandsOf(runner.due(201 * Second)), QStringList({"engine off"}));
    }

    void loopWaitsForTheSequenceAgain()
    {
        ScenarioRunner runner;
        runner.start(parsed("on 02\nat 0 engine on\nat 1 loop\n").steps(), 0);
        programSends(runner, "02", Second);
        QCOMPARE(commandsOf(runner.due(Second)), QStringList({"engine on"}));
        QVERIFY(runner.due(2 * Second).isEmpty()); // the loop
        QVERIFY(runner.due(3 * Second).isEmpty());
        programSends(runner, "02", 4 * Second);
        QCOMPARE(commandsOf(runner.due(4 * Second)), QStringList({"engine on"}));
    }

    // The ready-made adaptation scenarios read, set up their car, and wait
    // for the program: for step 2 by its ignition type and idle request, for
    // steps 6 and 8 by the stepper window each adaptation set opens with
    // (commands 18 and 19), and for the finish by its TPS threshold.
    void adaptationScenarios_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("probe");
        QTest::addColumn<bool>("tpsFalling");
        QTest::addColumn<double>("mixture");
        QTest::addColumn<QStringList>("waits");
        const QString step2 = "1f020002";
        const QString step6 = "12b0af13ae";
        const QString step8 = "12f53713af";
        const auto row = [](const char *name, const char *scenario, ProbeKind probe, bool tpsFalling, double mixture,
                            const QStringList &waits) {
            QTest::newRow(name) << QStringLiteral("adaptation-%1.txt").arg(scenario) << int(probe) << tpsFalling
                                << mixture << waits;
        };
        const ProbeKind narrow = ProbeKind::Narrow;
        row("narrow probe", "narrow-probe", narrow, false, 100.0, {step2});
        row("wide probe", "wide-probe", ProbeKind::Wide, false, 100.0, {step2});
        row("falling TPS", "falling-tps", narrow, true, 100.0, {step2});
        row("dead probe", "dead-probe", ProbeKind::Dead, false, 100.0, {step2});
        row("whole run, narrow probe", "whole-narrow-probe", narrow, false, 90.0, {step2, step6, step8});
        row("whole run, wide probe", "whole-wide-probe", ProbeKind::Wide, true, 70.0, {step2, step6, step8});
        row("stall at idle", "stall-at-idle", narrow, false, 90.0, {step2, step6, step8});
        row("port lost", "port-lost", narrow, false, 90.0, {step2, step6, step8, "071312"});
        row("probe dies after its calibration", "probe-dies-after-calibration", narrow, false, 90.0, {step2, step6});
        row("probe dies after step 7", "probe-dies-after-reducer", narrow, false, 90.0, {step2, step6, step8});
    }
    void adaptationScenarios()
    {
        QFETCH(QString, file);
        Scenario scenario;
        QString error;
        QVERIFY2(scenario.load(QStringLiteral(QX_SCENARIOS "/") + file, &error), qPrintable(error));
        Simulator sim;
        QStringList waits;
        for (const ScenarioStep &step : scenario.steps()) {
            if (!step.waitFor.isEmpty())
                waits << step.waitFor.toHex();
            else if (waits.isEmpty() && step.atSeconds == 0)
                sim.apply(step.action);
        }
        QTEST(waits, "waits");
        QTEST(int(sim->carState().probe), "probe");
        QTEST(sim->carState().tpsFalling, "tpsFalling");
        QTEST(sim->carState().mixturePosition, "mixture");
        QVERIFY(sim->carState().engineRunning);
    }

    // On the wire: fixed frames answer the live requests in turn, and a
    // scenario step waits for the bytes it names.
    void framesAndOnOverThePort()
    {
        Simulator sim;
        QVERIFY2(sim.start(QStringLiteral("com5")), qPrintable(sim.errorString()));
        sim->setReplyPacingMicros(0);
        const QByteArray a = QByteArray::fromHex("0a141e28323c461800");
        const QByteArray b = QByteArray::fromHex("0b141e28323c461900");
        sim.runScenario(parsed("at 0 frames 0a141e28323c461800;0b 14 1e 28 32 3c 46 19 00\n"
                               "on 1f 02 00 02\n"
                               "at 0 frame 0c141e28323c461a00\n"));
        QTRY_COMPARE(sim.currentLiveFrame(), a);

        QSerialPort port;
        QVERIFY2(openPort(port, sim.linkPath()), qPrintable(port.errorString()));
        QByteArray replies;
        for (int i = 0; i < 3; ++i) {
            send(port, "\x02");
            replies += readReply(port, 9);
        }
        QCOMPARE(replies, a + b + a);

        send(port, QByteArray::fromHex("1f020001"));
        QVERIFY(sim.waitForWireBytes(7, 5000));
        QVERIFY(sim.waitUntilAnswered(7, 5000));
        QCOMPARE(sim.currentLiveFrame(), b);
        send(port, QByteArray::fromHex("1f020002"));
        QTRY_COMPARE(sim.currentLiveFrame(), QByteArray::fromHex("0c141e28323c461a00"));
    }
};

QTEST_GUILESS_MAIN(TestSimScenario)
#include "tst_sim_scenario.moc"
