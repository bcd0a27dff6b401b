// The simulated car and the live frame it produces.
#include "SimCar.h"
#include "SimLiveFrame.h"
#include "SimParameterBlock.h"
#include "TestBytes.h"

#include <QtTest>

using namespace qxsim;

namespace {

void drive(Car &car, const QByteArray &block, double seconds)
{
    const ParameterBlock parameters(block);
    for (double t = 0; t < seconds; t += 0.01)
        car.advance(0.01, parameters);
}

Car runningCar(double rpm, double coolant, const QByteArray &block, double seconds)
{
    Car car;
    car.setCoolant(coolant);
    car.setEngineRunning(true);
    car.setTargetRpm(rpm, 0.5);
    drive(car, block, seconds);
    return car;
}

} // namespace

class TestSimCar : public QObject
{
    Q_OBJECT

private slots:
    void speedPeriodPerIgnitionType_data()
    {
        QTest::addColumn<int>("ignition");
        QTest::addColumn<double>("rpm");
        QTest::addColumn<int>("period");
        QTest::newRow("coil per cylinder, 2000") << 0 << 2000.0 << 7680;
        QTest::newRow("double coil, 2000") << 1 << 2000.0 << 3840;
        QTest::newRow("4 cylinders, 2000") << 2 << 2000.0 << 1920;
        QTest::newRow("5 cylinders, 7000") << 3 << 7000.0 << 457;
        QTest::newRow("6 cylinders, 1500") << 4 << 1500.0 << 1707;
        QTest::newRow("8 cylinders, 7000") << 5 << 7000.0 << 274;
        QTest::newRow("unknown type, 2000") << 9 << 2000.0 << 1920;
        QTest::newRow("engine stands: the counter runs out") << 2 << 0.0 << 65535;
        QTest::newRow("too slow to count") << 0 << 100.0 << 65535;
    }
    void speedPeriodPerIgnitionType()
    {
        QFETCH(int, ignition);
        QFETCH(double, rpm);
        const QByteArray block = blockBytes({{32, ignition}}, defaultParameterBlock());
        QTEST(int(speedPeriod(rpm, ParameterBlock(block).rpmConstant())), "period");
    }

    // The coolant's reading in °C, and the gas level's in percent: the program
    // shows 90R readings as reading × 2.5 % and 20K readings as (250 − reading) / 2.8 %.
    void readings_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("reading");
        QTest::newRow("ambient") << "temperature" << 20.0 << 121;
        QTest::newRow("warm") << "temperature" << 80.0 << 152;
        QTest::newRow("freezing, below the scale") << "temperature" << -40.0 << 96;
        QTest::newRow("boiling, above the scale") << "temperature" << 100.0 << 155;
        QTest::newRow("90R half") << "90R" << 50.0 << 20;
        QTest::newRow("90R empty") << "90R" << 0.0 << 0;
        QTest::newRow("90R full") << "90R" << 100.0 << 40;
        QTest::newRow("20K half") << "20K" << 50.0 << 110;
        QTest::newRow("20K empty") << "20K" << 0.0 << 250;
        QTest::newRow("20K full") << "20K" << 100.0 << 0;
    }
    void readings()
    {
        QFETCH(QString, sensor);
        QFETCH(double, value);
        const int reading = sensor == "temperature" ? temperatureByte(value) : gasLevelByte(value, sensor == "20K");
        QTEST(reading, "reading");
    }

    void frameLayoutPerVersion_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("gasPosition");
        QTest::newRow("version 3") << 3 << 8 << 2;
        QTest::newRow("version 4") << 4 << 8 << 3;
        QTest::newRow("version 5") << 5 << 9 << 3;
        QTest::newRow("version 8") << 8 << 9 << 3;
    }
    void frameLayoutPerVersion()
    {
        QFETCH(int, version);
        QFETCH(int, length);
        QFETCH(int, gasPosition);
        const QByteArray block = defaultParameterBlock();
        const Car car = runningCar(2000, Car::WarmCelsius, block, 2);
        const QByteArray frame = liveFrame(car.state(), version, ParameterBlock(block));
        QCOMPARE(frame.size(), length);
        QCOMPARE(int(quint8(frame.at(gasPosition))), int(gasLevelByte(car.state().gasPercent, false)));
        if (version >= 4)
            QCOMPARE(quint8(frame.at(2)), temperatureByte(car.state().coolantCelsius));
        const int period = quint8(frame.at(4)) + 256 * quint8(frame.at(5));
        QCOMPARE(period, int(speedPeriod(car.state().rpm, 4800)));
        QCOMPARE(quint8(frame.at(6)), quint8(255 - car.state().stepperPosition));
        if (length == 9)
            QCOMPARE(quint8(frame.at(7)), frameChecksum(frame));
    }

    void checksumOfTheKnownFrame() { QCOMPARE(int(frameChecksum(QByteArray::fromHex("0a141e28323c46"))), 24); }

    void changeoverToGas_data()
    {
        QTest::addColumn<double>("rpm");
        QTest::addColumn<bool>("sensorOn");
        QTest::addColumn<double>("coolant");
        QTest::addColumn<bool>("onGas");
        // Byte 0 = 136: switch temperature 2 × 136 − 222 = 50 °C.
        QTest::newRow("idle stays on petrol") << 800.0 << false << 20.0 << false;
        QTest::newRow("above the switch speed") << 2500.0 << false << 20.0 << true;
        QTest::newRow("sensor on, cold") << 2500.0 << true << 20.0 << false;
        QTest::newRow("sensor on, warm") << 2500.0 << true << 80.0 << true;
    }
    void changeoverToGas()
    {
        QFETCH(double, rpm);
        QFETCH(bool, sensorOn);
        QFETCH(double, coolant);
        QFETCH(bool, onGas);
        const QByteArray block = blockBytes({{0, 136}, {8, sensorOn ? 0x08 : 0x00}}, defaultParameterBlock());
        const Car car = runningCar(rpm, coolant, block, 3);
        QCOMPARE(car.state().onGas, onGas);
        const ParameterBlock parameters(block);
        if (onGas) {
            QVERIFY(car.state().stepperPosition >= parameters.stepMin());
            QVERIFY(car.state().stepperPosition <= parameters.stepMax());
        } else {
            QCOMPARE(car.state().stepperPosition, 0);
        }
    }

    void stoppingReturnsToPetrol()
    {
        const QByteArray block = defaultParameterBlock();
        Car car = runningCar(2500, Car::WarmCelsius, block, 3);
        QVERIFY(car.state().onGas);
        car.setEngineRunning(false);
        drive(car, block, 1.5);
        QCOMPARE(car.state().rpm, 0.0);
        QVERIFY(!car.state().onGas);
        QCOMPARE(car.state().stepperPosition, 0);
    }

    // The stepper keeps the probe switching; a richer reducer screw needs
    // the stepper less open to get there.
    void lambdaSwingsAndTheStepperFollowsTheScrew()
    {
        const QByteArray block = defaultParameterBlock();
        int settledPosition[2];
        for (int i = 0; i < 2; ++i) {
            Car car = runningCar(2500, Car::WarmCelsius, block, 3);
            car.setReducerScrew(i == 0 ? -80 : 80);
            drive(car, block, 20);
            int switches = 0;
            bool wasRich = car.state().rich;
            const ParameterBlock parameters(block);
            for (int tick = 0; tick < 500; ++tick) {
                car.advance(0.01, parameters);
                switches += car.state().rich != wasRich;
                wasRich = car.state().rich;
            }
            QVERIFY2(switches >= 4, qPrintable(QString::number(switches)));
            settledPosition[i] = car.state().stepperPosition;
        }
        QVERIFY2(settledPosition[1] < settledPosition[0] - 40,
                 qPrintable(QStringLiteral("%1 %2").arg(settledPosition[0]).arg(settledPosition[1])));
    }

    // The stepper hunts in a narrow band about the position the mixture
    // needs at the speed the engine turns: what the adaptation's stepper
    // calibration measures.
    void mixtureSetsWhereTheStepperSettles_data()
    {
        QTest::addColumn<double>("idlePosition");
        QTest::addColumn<double>("risePer1000");
        QTest::addColumn<double>("rpm");
        QTest::addColumn<int>("screw");
        QTest::addColumn<double>("centre");
        QTest::newRow("as the car starts, idle") << DefaultMixturePosition << DefaultMixtureRisePer1000 << 800.0 << 0
                                                 << 100.0;
        QTest::newRow("120 per1000 10, at 2800") << 120.0 << 10.0 << 2800.0 << 0 << 140.0;
        QTest::newRow("60 per1000 30, at 2800") << 60.0 << 30.0 << 2800.0 << 0 << 120.0;
        QTest::newRow("90, screw 20 richer, idle") << 90.0 << 20.0 << 800.0 << 20 << 78.0;
    }
    void mixtureSetsWhereTheStepperSettles()
    {
        QFETCH(double, idlePosition);
        QFETCH(double, risePer1000);
        QFETCH(double, rpm);
        QFETCH(int, screw);
        QFETCH(double, centre);
        const QByteArray block = defaultParameterBlock();
        Car car = runningCar(2500, Car::WarmCelsius, block, 3);
        QVERIFY(car.state().onGas);
        car.setMixture(idlePosition, risePer1000);
        car.setReducerScrew(screw);
        car.setTargetRpm(rpm, 1);
        drive(car, block, 20);
        const ParameterBlock parameters(block);
        int lowest = 255;
        int highest = 0;
        double sum = 0;
        constexpr int Ticks = 1000;
        for (int tick = 0; tick < Ticks; ++tick) {
            car.advance(0.01, parameters);
            lowest = qMin(lowest, car.state().stepperPosition);
            highest = qMax(highest, car.state().stepperPosition);
            sum += car.state().stepperPosition;
        }
        const QString seen = QStringLiteral("%1 … %2, mean %3").arg(lowest).arg(highest).arg(sum / Ticks);
        QVERIFY2(centre >= lowest - 2 && centre <= highest + 2, qPrintable(seen));
        QVERIFY2(highest - lowest <= 15, qPrintable(seen));
    }

    // The car's own probe reads the same whatever the controller's probe
    // range; "auto" follows the range as before.
    void probeKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("probeRange");
        QTest::addColumn<int>("lean");
        QTest::addColumn<int>("rich");
        QTest::newRow("narrow, set to 0-5 V") << int(ProbeKind::Narrow) << 0 << 5 << 43;
        QTest::newRow("wide, set to 0-1 V") << int(ProbeKind::Wide) << 1 << 26 << 230;
        QTest::newRow("band, set to 0-1 V") << int(ProbeKind::Band) << 1 << 43 << 79;
        QTest::newRow("auto, set to 0-1 V") << int(ProbeKind::Auto) << 1 << 5 << 43;
        QTest::newRow("auto, set to 0-5 V") << int(ProbeKind::Auto) << 0 << 26 << 230;
    }
    void probeKinds()
    {
        QFETCH(int, kind);
        QFETCH(int, probeRange);
        const ParameterBlock parameters(blockBytes({{31, probeRange}}, defaultParameterBlock()));
        CarState car;
        car.probe = ProbeKind(kind);
        car.lambda = 0;
        QTEST(int(probeByte(car, parameters)), "lean");
        car.lambda = 1;
        QTEST(int(probeByte(car, parameters)), "rich");
    }

    void deadProbeReadsItsVolts()
    {
        Car car = runningCar(2500, Car::WarmCelsius, defaultParameterBlock(), 3);
        car.setProbe(ProbeKind::Dead, 0.45);
        QSet<int> readings;
        const ParameterBlock parameters(defaultParameterBlock());
        for (int tick = 0; tick < 300; ++tick) {
            car.advance(0.01, parameters);
            readings << probeByte(car.state(), parameters);
        }
        QCOMPARE(readings, QSet<int>({23}));
    }

    void tpsDirection_data()
    {
        QTest::addColumn<bool>("falling");
        QTest::addColumn<int>("closed");
        QTest::addColumn<int>("open");
        QTest::newRow("rising") << false << 10 << 230;
        QTest::newRow("falling") << true << 230 << 10;
    }
    void tpsDirection()
    {
        QFETCH(bool, falling);
        QTEST(tpsReading(0, falling), "closed");
        QTEST(tpsReading(100, falling), "open");
        Car car;
        car.setTpsFalling(falling);
        car.setThrottle(100, 0);
        drive(car, defaultParameterBlock(), 0.1);
        const QByteArray frame = liveFrame(car.state(), 8, ParameterBlock(defaultParameterBlock()));
        QTEST(int(quint8(frame.at(1))), "open");
    }

    // A coolant ramp reaches its temperature in the given time; the warm-up
    // goes on from there.
    void coolantRamp()
    {
        const QByteArray block = defaultParameterBlock();
        Car car = runningCar(800, Car::AmbientCelsius, block, 0.1);
        car.setCoolant(60, 10);
        drive(car, block, 5);
        QVERIFY2(qAbs(car.state().coolantCelsius - 40) < 1, qPrintable(QString::number(car.state().coolantCelsius)));
        drive(car, block, 5.1);
        QVERIFY(car.state().coolantCelsius >= 60);
        drive(car, block, 30);
        QVERIFY(car.state().coolantCelsius > 65);
        QVERIFY(car.state().coolantCelsius < Car::WarmCelsius);
    }

    void warmUpTowardsEightyDegrees()
    {
        const Car car = runningCar(800, Car::AmbientCelsius, defaultParameterBlock(), 300);
        QVERIFY(car.state().coolantCelsius > 75);
        QVERIFY(car.state().coolantCelsius <= Car::WarmCelsius);
    }
};

QTEST_GUILESS_MAIN(TestSimCar)
#include "tst_sim_car.moc"
