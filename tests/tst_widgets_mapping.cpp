// Digit-to-value mapping, scale positions and number pictures of the instruments.
#include "valueformat.h"
#include "valuemapping.h"

#include <QTest>

class TestWidgetsMapping : public QObject
{
    Q_OBJECT
private slots:
    // A range after 0..100 shown as 0..50 (half a unit per step): one whose
    // span is not positive keeps that factor.
    void valueOfDigit_data()
    {
        QTest::addColumn<int>("digitalFrom");
        QTest::addColumn<int>("digitalTo");
        QTest::addColumn<float>("valueFrom");
        QTest::addColumn<float>("valueTo");
        QTest::addColumn<int>("digit");
        QTest::addColumn<float>("value");
        QTest::newRow("engine speed 6500") << 0 << 8000 << 0.0f << 8.0f << 6500 << 6.5f;
        QTest::newRow("throttle 100 is 5 V") << 0 << 240 << 0.0f << 12.0f << 100 << 5.0f;
        QTest::newRow("thermometer bottom") << 96 << 155 << -30.0f << 90.0f << 96 << -30.0f;
        QTest::newRow("thermometer top") << 96 << 155 << -30.0f << 90.0f << 155 << 90.0f;
        QTest::newRow("thermometer below range") << 96 << 155 << -30.0f << 90.0f << 37 << -150.0f;
        QTest::newRow("adaptation thermometer 141") << 111 << 171 << 0.0f << 120.0f << 141 << 60.0f;
        QTest::newRow("negative digit") << 0 << 100 << 0.0f << 50.0f << -10 << -5.0f;
        QTest::newRow("digital span zero") << 0 << 0 << 0.0f << 50.0f << 10 << 5.0f;
        QTest::newRow("digital span negative") << 100 << 0 << 0.0f << 50.0f << 10 << -45.0f;
        QTest::newRow("value span zero") << 0 << 100 << 7.0f << 7.0f << 10 << 12.0f;
        QTest::newRow("value span negative") << 0 << 100 << 50.0f << 0.0f << 10 << 55.0f;
        QTest::newRow("both positive: recomputed") << 0 << 10 << 0.0f << 50.0f << 10 << 50.0f;
    }
    void valueOfDigit()
    {
        QFETCH(int, digitalFrom);
        QFETCH(int, digitalTo);
        QFETCH(float, valueFrom);
        QFETCH(float, valueTo);
        QFETCH(int, digit);
        ValueMapping m;
        m.setRange(0, 100, 0, 50);
        m.setRange(digitalFrom, digitalTo, valueFrom, valueTo);
        QTEST(m.valueOf(digit), "value");
    }

    void digitOfValue_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("digit");
        // Range 0..10 shown as 0..20: a value maps back to value / 2.
        QTest::newRow("exact") << 8.0f << 4;
        QTest::newRow("half rounds down to even") << 1.0f << 0;
        QTest::newRow("half rounds up to even") << 3.0f << 2;
        QTest::newRow("2.5 rounds to 2") << 5.0f << 2;
        QTest::newRow("just above half") << 5.2f << 3;
        QTest::newRow("negative half") << -3.0f << -2;
        QTest::newRow("beyond the range") << 30.0f << 15;
    }
    void digitOfValue()
    {
        QFETCH(float, value);
        ValueMapping m;
        m.setRange(0, 10, 0, 20);
        QTEST(m.digitOf(value), "digit");
    }

    void positions_data()
    {
        QTest::addColumn<int>("digitalTo");
        QTest::addColumn<int>("digit");
        QTest::addColumn<double>("valuePosition");
        QTest::addColumn<int>("digitPosition");
        // Ranges start at 0 and show the digit itself.
        QTest::newRow("sector boundary 24 of 60") << 60 << 24 << 400.0 << 400;
        QTest::newRow("lean reading 10 of 60") << 60 << 10 << 10000.0 / 60 << 167;
        QTest::newRow("rich reading 45 of 60") << 60 << 45 << 750.0 << 750;
        QTest::newRow("above narrow scale") << 60 << 70 << 70000.0 / 60 << 1000;
        QTest::newRow("below scale") << 60 << -6 << -100.0 << 0;
        QTest::newRow("stepper 60 of 255") << 255 << 60 << 60000.0 / 255 << 235;
        QTest::newRow("stepper 150 of 255") << 255 << 150 << 150000.0 / 255 << 588;
        QTest::newRow("stepper 230 of 255") << 255 << 230 << 230000.0 / 255 << 902;
        QTest::newRow("full scale") << 255 << 255 << 1000.0 << 1000;
    }
    void positions()
    {
        QFETCH(int, digitalTo);
        QFETCH(int, digit);
        ValueMapping m;
        m.setRange(0, digitalTo, 0, float(digitalTo));
        QTEST(m.valuePosition(m.valueOf(digit)), "valuePosition");
        QTEST(m.digitPosition(digit), "digitPosition");
    }

    void boundaryValuesLieOnTheirThousandth()
    {
        // 0..8000 shown as 0.0..8.0: the factor 0.001 is inexact in binary, yet
        // 640 lies exactly on 80 and 641 one eighth past it.
        ValueMapping m;
        m.setRange(0, 8000, 0, 8);
        QCOMPARE(m.valuePosition(m.valueOf(640)), 80.0);
        QCOMPARE(m.valuePosition(m.valueOf(6560)), 820.0);
        QVERIFY(m.valuePosition(m.valueOf(641)) > 80.1);
    }

    void format_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << "##0.0" << 5.43 << "5.4";
        QTest::newRow("whole number rounds") << "##0" << 44.9 << "45";
        QTest::newRow("leading zero kept") << "##0.0" << 0.31 << "0.3";
        QTest::newRow("required zeros") << "000" << 7.0 << "007";
        QTest::newRow("fixed decimals") << "0.00" << 1.5 << "1.50";
        QTest::newRow("optional decimals dropped") << "0.##" << 2.0 << "2";
        QTest::newRow("optional decimals kept") << "0.##" << 1.5 << "1.5";
        QTest::newRow("no whole digit required") << "#.#" << 0.5 << ".5";
        QTest::newRow("negative") << "##0.0" << -12.34 << "-12.3";
        QTest::newRow("negative zero has no sign") << "##0.0" << -0.04 << "0.0";
        QTest::newRow("empty picture") << "" << 2.5 << "2.5";
    }
    void format()
    {
        QFETCH(QString, picture);
        QFETCH(double, value);
        QTEST(formatValue(value, picture), "text");
    }
};

QTEST_APPLESS_MAIN(TestWidgetsMapping)
#include "tst_widgets_mapping.moc"
