// The one flash clock of the process and the LEDs that follow it.
#include "flashclock.h"
#include "tabled.h"

#include <QTest>

#include <memory>

namespace {
std::unique_ptr<TAbLED> flashingLed(FlashClock::Frequency frequency, bool checked = true)
{
    auto led = std::make_unique<TAbLED>();
    led->setFrequency(frequency);
    led->setChecked(checked);
    led->setFlashing(true);
    return led;
}
} // namespace

class TestWidgetsFlash : public QObject
{
    Q_OBJECT
private slots:
    void oneClockForTheProcess()
    {
        QVERIFY(FlashClock::instance());
        QCOMPARE(FlashClock::instance(), FlashClock::instance());
        auto a = flashingLed(FlashClock::ff1Hz);
        auto b = flashingLed(FlashClock::ff8Hz);
        QCOMPARE(qApp->findChildren<FlashClock *>().size(), 1);
    }

    void clockRunsWhileALampFlashes()
    {
        FlashClock *clock = FlashClock::instance();
        QVERIFY(!clock->isRunning());
        auto dark = flashingLed(FlashClock::ff2Hz, false);
        QVERIFY2(!clock->isRunning(), "a dark lamp has nothing to flash");
        auto a = flashingLed(FlashClock::ff2Hz);
        auto b = flashingLed(FlashClock::ff4Hz);
        QVERIFY(clock->isRunning());
        a->setFlashing(false);
        QVERIFY(clock->isRunning());
        b.reset();
        QVERIFY(!clock->isRunning());
        dark->setChecked(true);
        QVERIFY(clock->isRunning());
        dark->setChecked(false);
        QVERIFY(!clock->isRunning());
    }

    void lampsOfOneFrequencyTogether_data()
    {
        QTest::addColumn<FlashClock::Frequency>("frequency");
        QTest::addColumn<int>("ticksPerHalfCycle"); // a tick is 1/16 s
        QTest::newRow("8 Hz") << FlashClock::ff8Hz << 1;
        QTest::newRow("4 Hz") << FlashClock::ff4Hz << 2;
        QTest::newRow("2 Hz") << FlashClock::ff2Hz << 4;
        QTest::newRow("1 Hz") << FlashClock::ff1Hz << 8;
        QTest::newRow("0.5 Hz") << FlashClock::ff05Hz << 16;
    }
    void lampsOfOneFrequencyTogether()
    {
        QFETCH(FlashClock::Frequency, frequency);
        QFETCH(int, ticksPerHalfCycle);
        FlashClock *clock = FlashClock::instance();

        auto first = flashingLed(frequency);
        auto toNextChange = [&] {
            const bool lit = first->isLit();
            while (first->isLit() == lit)
                clock->advance();
        };
        toNextChange();
        clock->advance(); // the second lamp joins in the middle of a half cycle
        auto second = flashingLed(frequency);
        TAbLED steady;
        steady.setChecked(true);

        toNextChange();
        int changes = 0;
        bool lit = first->isLit();
        for (int tick = 0; tick < 4 * ticksPerHalfCycle; ++tick) {
            clock->advance();
            QCOMPARE(second->isLit(), first->isLit());
            QVERIFY(steady.isLit());
            if (first->isLit() != lit) {
                QCOMPARE((tick + 1) % ticksPerHalfCycle, 0);
                lit = first->isLit();
                ++changes;
            }
        }
        QCOMPARE(changes, 4);
    }
};

QTEST_MAIN(TestWidgetsFlash)
#include "tst_widgets_flash.moc"
