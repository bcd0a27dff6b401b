// Engine speed: the four-sample average and the period-to-RPM conversion.
#include "EngineSpeed.h"
#include "LiveAverage.h"
#include "LiveSample.h"

#include <QtTest>

class TestMonitorSpeed : public QObject
{
    Q_OBJECT

private slots:
    void average_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<int>>("results");
        QTest::newRow("first five pass through") << QList<int>{10, 20, 30, 40, 50} << QList<int>{10, 20, 30, 40, 50};
        QTest::newRow("sixth is the mean of the four held, not of the fifth")
            << QList<int>{10, 20, 30, 40, 999, 0} << QList<int>{10, 20, 30, 40, 999, 25};
        QTest::newRow("window slides")
            << QList<int>{4, 4, 4, 4, 4, 8, 8, 8, 8, 8} << QList<int>{4, 4, 4, 4, 4, 4, 5, 6, 7, 8};
        QTest::newRow("halves go to even") << QList<int>{1, 1, 1, 3, 0, 0} << QList<int>{1, 1, 1, 3, 0, 2};
        QTest::newRow("2.5 rounds to 2") << QList<int>{1, 2, 3, 4, 0, 0} << QList<int>{1, 2, 3, 4, 0, 2};
    }
    void average()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<int>, results);
        qx::LiveAverage average;
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(average(values[i]), results[i]);
    }

    void resetStartsAfresh()
    {
        qx::LiveAverage average;
        for (int v : {7, 7, 7, 7, 7, 7})
            average(v);
        average.reset();
        QCOMPARE(average.fillCount(), 0);
        QCOMPARE(average(100), 100);
    }

    void rpm_data()
    {
        QTest::addColumn<int>("constant");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("rpm"); // -1: nothing computed
        QTest::addColumn<int>("shown");
        QTest::newRow("19200 / 5120") << 19200 << 5120 << 3000 << 3000;
        QTest::newRow("exactly 300 is running") << 4800 << 12800 << 300 << 300;
        QTest::newRow("298 is standing") << 4800 << 12900 << 0 << 0;
        QTest::newRow("no constant") << 0 << 5120 << -1 << -1;
        QTest::newRow("no period") << 4800 << 0 << -1 << -1;
        QTest::newRow("59.5 fifties round to 60") << 19200 << 5163 << 2975 << 3000;
        QTest::newRow("58.5 fifties round to 58") << 19200 << 5251 << 2925 << 2900;
        QTest::newRow("shortest period") << 19200 << 1 << 15360000 << 15360000;
    }
    void rpm()
    {
        QFETCH(int, constant);
        QFETCH(int, period);
        QFETCH(int, rpm);
        const auto computed = qx::rpmFromPeriod(constant, period);
        QCOMPARE(computed.has_value(), rpm >= 0);
        if (computed) {
            QCOMPARE(*computed, rpm);
            QTEST(qx::rpmShown(*computed), "shown");
        }
    }

    void periodIsLittleEndian()
    {
        QCOMPARE(qx::speedPeriod(0x00, 0x14), 5120);
        QCOMPARE(qx::speedPeriod(0xFF, 0xFF), 65535);
    }
};

QTEST_APPLESS_MAIN(TestMonitorSpeed)
#include "tst_monitor_speed.moc"
