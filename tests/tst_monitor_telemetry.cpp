// Live-data conversions: one row per case.
#include "Telemetry.h"

#include <QColor>
#include <QtTest>

using namespace qx::telemetry;

class TestMonitorTelemetry : public QObject
{
    Q_OBJECT

private slots:
    void volts_data()
    {
        QTest::addColumn<bool>("tps"); // else the probe
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("probe 50 cuts to 0.98") << false << 50 << "0.98";
        QTest::newRow("probe 51 is 1.00") << false << 51 << "1.00";
        QTest::newRow("probe 255 is 5.00") << false << 255 << "5.00";
        QTest::newRow("probe 0") << false << 0 << "0.00";
        QTest::newRow("probe 5 is 0.09") << false << 5 << "0.09";
        QTest::newRow("TPS 100") << true << 100 << "5.00";
        QTest::newRow("TPS 0") << true << 0 << "0.00";
        QTest::newRow("TPS 41") << true << 41 << "2.05";
        QTest::newRow("TPS 240") << true << 240 << "12.00";
    }
    void volts()
    {
        QFETCH(bool, tps);
        QFETCH(int, raw);
        QTEST(tps ? tpsVoltsText(raw) : lambdaVoltsText(raw), "text");
    }

    void ninetyNineHundredthsCountAsAVolt()
    {
        QCOMPARE(voltsText(199, 1, 100), QStringLiteral("2.00"));
        QCOMPARE(voltsText(198, 1, 100), QStringLiteral("1.98"));
    }

    void traces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("level");
        QTest::newRow("TPS 100") << "tps" << 100 << 40;
        QTest::newRow("TPS 0 draws 1") << "tps" << 0 << 1;
        QTest::newRow("RPM 8000") << "rpm" << 8000 << 100;
        QTest::newRow("RPM 0 draws 1") << "rpm" << 0 << 1;
        QTest::newRow("stepper 255") << "step" << 255 << 100;
        QTest::newRow("stepper 0 draws 1") << "step" << 0 << 1;
        QTest::newRow("lambda 255") << "lambda" << 255 << 94;
        QTest::newRow("lambda 0 draws 1") << "lambda" << 0 << 1;
    }
    void traces()
    {
        QFETCH(QString, kind);
        QFETCH(int, input);
        const int level = kind == "tps" ? tpsTrace(input)
                          : kind == "rpm" ? rpmTrace(input)
                          : kind == "step" ? stepperTrace(input)
                                           : lambdaTrace(input);
        QTEST(level, "level");
    }

    void normalisedLambda_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("normalised");
        QTest::newRow("0-1 V") << "0" << 40 << 200;
        QTest::newRow("1-0 V") << "4" << 40 << 200;
        QTest::newRow("0-5 V") << "1" << 200 << 200;
        QTest::newRow("5-0 V") << "2" << 200 << 200;
        QTest::newRow("0,8-1,6 V") << "3" << 41 << 128; // 127.5 rounds to even
        QTest::newRow("unknown") << "9" << 40 << 200;
    }
    void normalisedLambda()
    {
        QFETCH(QString, variant);
        QFETCH(int, raw);
        QTEST(qx::telemetry::normalisedLambda(raw, variant), "normalised");
    }

    void temperature_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("celsius");
        QTest::newRow("110 is 0") << 110 << 0;
        QTest::newRow("155: 85.5 rounds to 86") << 155 << 86;
        QTest::newRow("96") << 96 << -27;
        QTest::newRow("153: 81.7") << 153 << 82;
    }
    void temperature()
    {
        QFETCH(int, raw);
        QTEST(temperatureCelsius(raw), "celsius");
    }

    void gas_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("reserve");
        QTest::newRow("90R reserve at 5: 12.5 to 12") << "1" << 5 << 12 << true;
        QTest::newRow("90R 6 is no reserve") << "1" << 6 << 15 << false;
        QTest::newRow("90R 40 caps at 35: 87.5 to 88") << "1" << 40 << 88 << false;
        QTest::newRow("90R empty") << "1" << 0 << 0 << true;
        QTest::newRow("90R 17: 42.5 to 42") << "1" << 17 << 42 << false;
        QTest::newRow("90R 29: 72.5 to 72") << "1" << 29 << 72 << false;
        QTest::newRow("20K full") << "0" << 10 << 86 << false;
        QTest::newRow("20K below 15 counts as 10") << "0" << 14 << 86 << false;
        QTest::newRow("20K near 250 counts as empty") << "0" << 246 << 0 << true;
        QTest::newRow("20K 210 is not yet reserve") << "0" << 210 << 14 << false;
        QTest::newRow("20K 211 is reserve") << "0" << 211 << 14 << true;
        QTest::newRow("20K half") << "0" << 110 << 50 << false;
        QTest::newRow("20K 89: 57.5 to 58") << "0" << 89 << 58 << false;
        QTest::newRow("20K 173: 27.5 to 28") << "0" << 173 << 28 << false;
    }
    void gas()
    {
        QFETCH(QString, type);
        QFETCH(int, raw);
        const GasLevel level = gasLevel(raw, type);
        QTEST(level.percent, "percent");
        QTEST(level.reserve, "reserve");
    }

    void lambdaBar_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("position");
        QTest::newRow("top 50, reading 1") << 50 << 1 << 2;
        QTest::newRow("top 50, reading 40") << 50 << 40 << 40;
        QTest::newRow("top 290, reading 3") << 290 << 3 << 10;
        QTest::newRow("top 96, reading 0") << 96 << 0 << 4;
        QTest::newRow("top 96, reading 90") << 96 << 90 << 90;
    }
    void lambdaBar()
    {
        QFETCH(int, top);
        QFETCH(int, raw);
        QTEST(lambdaBarPosition(raw, top), "position");
    }

    void probeDisplays_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bandStart");
        QTest::addColumn<QString>("lowColour");
        QTest::addColumn<QString>("topLabel");
        QTest::addColumn<int>("traded"); // -1 unchanged
        QTest::newRow("0") << "0" << 50 << 20 << "#00ff00" << "1,0" << 1;
        QTest::newRow("1") << "1" << 290 << 120 << "#00ff00" << "5,0" << 0;
        QTest::newRow("2: red low end, traded") << "2" << 290 << 120 << "#ff0000" << "5,0" << 1;
        QTest::newRow("3") << "3" << 96 << 35 << "#00ff00" << "1,6" << 0;
        QTest::newRow("4") << "4" << 50 << 20 << "#ff0000" << "1,0" << 0;
        QTest::newRow("other") << "x" << 50 << 20 << "" << "1,0" << -1;
    }
    void probeDisplays()
    {
        QFETCH(QString, variant);
        const ProbeDisplay d = probeDisplay(variant);
        QTEST(d.barTop, "top");
        QTEST(d.bandStart, "bandStart");
        QTEST(d.lowColour ? QColor(QRgb(*d.lowColour)).name() : QString(), "lowColour");
        QTEST(d.axisLabels.last(), "topLabel");
        QTEST(d.tradedPlaces ? int(*d.tradedPlaces) : -1, "traded");
    }

    void timeAxis_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("half seconds") << 5 << 6 << QStringList{"-2,5", "-2", "-1,5", "-1", "-0,5", "0"};
        QTest::newRow("whole seconds") << 10 << 6 << QStringList{"-5", "-4", "-3", "-2", "-1", "0"};
        QTest::newRow("one and a half") << 15 << 6 << QStringList{"-7,5", "-6", "-4,5", "-3", "-1,5", "0"};
        QTest::newRow("two past ten") << 20 << 6 << QStringList{"-10", "-8", "-6", "-4", "-2", "0"};
        QTest::newRow("a millisecond") << 1 << 3 << QStringList{"-0,2", "-0,1", "0"};
        QTest::newRow("one line is now") << 5 << 1 << QStringList{"0"};
    }
    void timeAxis()
    {
        QFETCH(int, interval);
        QFETCH(int, lines);
        QTEST(timeAxisLabels(interval, lines), "labels");
    }

    void lambdaPhases()
    {
        LambdaPhases fresh;
        for (int i = 0; i < 8; ++i) {
            const auto shown = fresh.poll(10);
            QVERIFY(!shown.high && !shown.low);
        }
        const auto crossing = fresh.poll(60);
        QCOMPARE(crossing.low.value_or(-1), 200);
        QVERIFY(!crossing.high);
        fresh.poll(60);
        const auto back = fresh.poll(40); // 40 is not above 40
        QCOMPARE(back.high.value_or(-1), 50);
    }
};

QTEST_APPLESS_MAIN(TestMonitorTelemetry)
#include "tst_monitor_telemetry.moc"
