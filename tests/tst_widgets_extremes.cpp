// The record of extremes a bar keeps of the values written to it.
#include "tabhbar.h"

#include <QApplication>
#include <QTest>

class TestWidgetsExtremes : public QObject
{
    Q_OBJECT
private slots:
    void record_data()
    {
        // A script of steps, run on a fresh bar: "rN" sets the range 0..N (digital
        // and shown), "dN" writes Digit, "vN" writes Value, "restart" and "clear".
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<float>("lowest");
        QTest::addColumn<int>("lowestPosition");
        QTest::addColumn<float>("highest");
        QTest::addColumn<int>("highestPosition");
        QTest::newRow("empty at first") << "r60" << true << 0.0f << 0 << 0.0f << 0;
        QTest::newRow("first reading sets both") << "r60 d30" << false << 30.0f << 500 << 30.0f << 500;
        QTest::newRow("probe readings 10 to 45") << "r60 d20 d10 d45 d30" << false << 10.0f << 167 << 45.0f << 750;
        QTest::newRow("above the narrow scale at 1000") << "r60 d20 d70" << false << 20.0f << 333 << 70.0f << 1000;
        QTest::newRow("wide scale") << "r60 d30 r255 d100 d10" << false << 10.0f << 39 << 100.0f << 392;
        QTest::newRow("equal value keeps the old position") << "r60 d30 d40 r255 d31 d30 d40" << false << 30.0f << 500
                                                            << 40.0f << 667;
        QTest::newRow("shown value written again is no reading") << "r60 d30 clear d30" << true << 0.0f << 0 << 0.0f << 0;
        QTest::newRow("restart at full scale") << "r255 d255 restart" << false << 255.0f << 1000 << 255.0f << 1000;
        QTest::newRow("readings after restart") << "r255 d255 restart d60 d80" << false << 60.0f << 235 << 255.0f
                                                << 1000;
        QTest::newRow("restart at zero") << "r255 d50 d0 restart d20" << false << 0.0f << 0 << 20.0f << 78;
        QTest::newRow("value written") << "r60 v15 v45" << false << 15.0f << 250 << 45.0f << 750;
    }
    void record()
    {
        QFETCH(QString, script);
        QFETCH(bool, empty);
        TAbHBar bar;
        for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int number = step.mid(1).toInt();
            if (step == QLatin1String("restart")) {
                bar.restartMinMax();
            } else if (step == QLatin1String("clear")) {
                bar.clearMinMax();
            } else if (step.startsWith(QLatin1Char('r'))) {
                SignalSettings s = bar.signalSettings();
                s.digitalTo = number;
                s.valueTo = float(number);
                bar.setSignalSettings(s);
            } else if (step.startsWith(QLatin1Char('d'))) {
                bar.setDigit(number);
            } else if (step.startsWith(QLatin1Char('v'))) {
                bar.setValue(float(number));
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            }
        }

        const MinMaxRecord &r = bar.minMax();
        QCOMPARE(r.isEmpty(), empty);
        if (empty)
            return;
        QTEST(r.lowest().value, "lowest");
        QTEST(r.lowest().position, "lowestPosition");
        QTEST(r.highest().value, "highest");
        QTEST(r.highest().position, "highestPosition");
    }
};

QTEST_MAIN(TestWidgetsExtremes)
#include "tst_widgets_extremes.moc"
