// The ranges and sectors the pages' instruments are set up with.
#include "presets.h"
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tledmeter.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {
using Make = std::function<TAbAnalog *()>;

template <typename W>
Make preset(void (*setup)(W &))
{
    return [setup] {
        auto *w = new W;
        setup(*w);
        return w;
    };
}

Make engineSpeed()
{
    return [] {
        auto *meter = new TAb270Meter;
        Presets::engineSpeedMeter(*meter, QStringLiteral("RPM"), QString());
        return meter;
    };
}
} // namespace

Q_DECLARE_METATYPE(Make)

class TestWidgetsPresets : public QObject
{
    Q_OBJECT
private slots:
    void digitShownAs_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<int>("digit");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("sector"); // -1: none
        QTest::newRow("engine speed 640: first sector's end") << engineSpeed() << 640 << 0.64f << 0;
        QTest::newRow("engine speed 641") << engineSpeed() << 641 << 0.641f << 1;
        QTest::newRow("engine speed 6560: second sector's end") << engineSpeed() << 6560 << 6.56f << 1;
        QTest::newRow("engine speed 6561: red") << engineSpeed() << 6561 << 6.561f << 2;
        QTest::newRow("throttle full") << preset(Presets::throttleMeter) << 240 << 12.0f << 0;
        QTest::newRow("reducer thermometer bottom") << preset(Presets::reducerThermometer) << 96 << -30.0f << -1;
        QTest::newRow("reducer thermometer top") << preset(Presets::reducerThermometer) << 155 << 90.0f << -1;
        QTest::newRow("adaptation thermometer bottom") << preset(Presets::adaptationThermometer) << 111 << 0.0f << -1;
        QTest::newRow("adaptation thermometer middle") << preset(Presets::adaptationThermometer) << 141 << 60.0f << -1;
        QTest::newRow("stepper full") << preset(Presets::stepperTank) << 255 << 255.0f << -1;
        QTest::newRow("progress half") << preset(Presets::percentBar) << 50 << 50.0f << -1;
        QTest::newRow("lambda on 400: lean") << preset(Presets::lambdaBar) << 24 << 24.0f << 0;
        QTest::newRow("lambda on 600: middle") << preset(Presets::lambdaBar) << 36 << 36.0f << 1;
        QTest::newRow("lambda rich") << preset(Presets::lambdaBar) << 37 << 37.0f << 2;
    }
    void digitShownAs()
    {
        QFETCH(Make, make);
        QFETCH(int, digit);
        std::unique_ptr<TAbAnalog> instrument(make());
        instrument->setDigit(digit);
        QTEST(instrument->value(), "value");

        const SignalSettings &s = instrument->signalSettings();
        ValueMapping mapping;
        mapping.setRange(s.digitalFrom, s.digitalTo, s.valueFrom, s.valueTo);
        QTEST(sectorAt(instrument->sectorSettings(), mapping.valuePosition(instrument->value())), "sector");
    }

    void lambdaLedMeterLightsOneSegment()
    {
        TLEDMeter meter;
        Presets::lambdaLedMeter(meter);
        meter.setPosition(89);
        int lit = 0;
        for (const LedSegment &s : meter.segments())
            lit += s.lit;
        QCOMPARE(int(meter.segments().size()), 20);
        QCOMPARE(lit, 1);
        QVERIFY(meter.segments().back().lit);
    }
};

QTEST_MAIN(TestWidgetsPresets)
#include "tst_widgets_presets.moc"
