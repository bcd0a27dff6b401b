// Scenario files and the command-line settings that share their commands.
#include "SimScenario.h"

#include <QtTest>

using namespace qxsim;

class TestSimScenario : public QObject
{
    Q_OBJECT

private slots:
    void stepsInTimeOrder()
    {
        Scenario scenario;
        QString error;
        const QString text = QStringLiteral("# warm start\n"
                                            "at 5 rpm 2500 over 2   # rev up\n"
                                            "\n"
                                            "at 0.5 engine on\n"
                                            "at 5 fault slow=600\n"
                                            "at 9 loop\n");
        QVERIFY2(scenario.parse(text, &error), qPrintable(error));
        QStringList commands;
        QList<double> times;
        for (const ScenarioStep &step : scenario.steps()) {
            commands << step.command;
            times << step.atSeconds;
            QCOMPARE(bool(step.action), !step.restarts);
        }
        QCOMPARE(commands, QStringList({"engine on", "rpm 2500 over 2", "fault slow=600", "loop"}));
        QCOMPARE(times, QList<double>({0.5, 5, 5, 9}));
        QVERIFY(scenario.steps().last().restarts);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("valid");
        QTest::newRow("engine on") << "engine on" << true;
        QTest::newRow("engine sideways") << "engine sideways" << false;
        QTest::newRow("rpm") << "rpm 3000" << true;
        QTest::newRow("rpm too high") << "rpm 9000" << false;
        QTest::newRow("rpm below idle range") << "rpm 0" << false;
        QTest::newRow("rpm ramp without seconds") << "rpm 3000 over" << false;
        QTest::newRow("rpm with a stray word") << "rpm 3000 during 2" << false;
        QTest::newRow("throttle ramp") << "throttle 40 over 1.5" << true;
        QTest::newRow("screw") << "screw -20" << true;
        QTest::newRow("coolant warm") << "coolant warm" << true;
        QTest::newRow("coolant degrees") << "coolant 45.5" << true;
        QTest::newRow("coolant lukewarm") << "coolant lukewarm" << false;
        QTest::newRow("gas") << "gas 30" << true;
        QTest::newRow("version 2") << "version 2" << false;
        QTest::newRow("version 8") << "version 8" << true;
        QTest::newRow("threshold") << "threshold 250" << true;
        QTest::newRow("fault with argument") << "fault hangup=3" << true;
        QTest::newRow("unknown fault") << "fault gremlins" << false;
        QTest::newRow("frame hex") << "frame 0a 14 1e 28 32 3c 46 18 00" << true;
        QTest::newRow("frame odd hex") << "frame 0a1" << false;
        QTest::newRow("frame back to the car") << "frame car" << true;
        QTest::newRow("block too short") << "block 0102" << false;
        QTest::newRow("block of 37") << "block " + QString(74, QLatin1Char('0')) << true;
        QTest::newRow("unknown command") << "honk" << false;
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

    void errorsNameTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("linePrefix");
        QTest::newRow("missing time") << "at 1 engine on\nengine off\n" << "line 2:";
        QTest::newRow("negative time") << "at -1 engine on\n" << "line 1:";
        QTest::newRow("bad command after comments") << "# a\n# b\nat 2 rpm fast\n" << "line 3:";
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
};

QTEST_GUILESS_MAIN(TestSimScenario)
#include "tst_sim_scenario.moc"
