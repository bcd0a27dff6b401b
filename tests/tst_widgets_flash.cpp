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

// Advances the clock to the next change of the frequency's phase.
void advanceToToggle(FlashClock::Frequency frequency)
{
    FlashClock *clock = FlashClock::instance();
    const bool phase = clock->isOnPhase(frequency);
    while (clock->isOnPhase(frequency) == phase)
        clock->advance();
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

class TestWidgetsFlash : public QObject
{
    Q_OBJECT
private slots:
    void oneClockForTheProcess();
    void clockRunsWhileALampFlashes();
    void lampsOfOneFrequencyTogether_data();
    void lampsOfOneFrequencyTogether();
    void repaintsOnToggle_data();
    void repaintsOnToggle();
};

void TestWidgetsFlash::oneClockForTheProcess()
{
    QVERIFY(FlashClock::instance());
    QCOMPARE(FlashClock::instance(), FlashClock::instance());
    auto a = flashingLed(FlashClock::ff1Hz);
    auto b = flashingLed(FlashClock::ff8Hz);
    QCOMPARE(qApp->findChildren<FlashClock *>().size(), 1);
}

void TestWidgetsFlash::clockRunsWhileALampFlashes()
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

void TestWidgetsFlash::lampsOfOneFrequencyTogether_data()
{
    QTest::addColumn<FlashClock::Frequency>("frequency");
    QTest::addColumn<int>("ticksPerHalfCycle"); // a tick is 1/16 s

    QTest::newRow("8 Hz") << FlashClock::ff8Hz << 1;
    QTest::newRow("4 Hz") << FlashClock::ff4Hz << 2;
    QTest::newRow("2 Hz") << FlashClock::ff2Hz << 4;
    QTest::newRow("1 Hz") << FlashClock::ff1Hz << 8;
    QTest::newRow("0.5 Hz") << FlashClock::ff05Hz << 16;
}

void TestWidgetsFlash::lampsOfOneFrequencyTogether()
{
    QFETCH(FlashClock::Frequency, frequency);
    QFETCH(int, ticksPerHalfCycle);
    FlashClock *clock = FlashClock::instance();

    auto first = flashingLed(frequency);
    advanceToToggle(frequency);
    clock->advance(); // the second lamp joins in the middle of a half cycle
    auto second = flashingLed(frequency);
    TAbLED steady;
    steady.setChecked(true);

    advanceToToggle(frequency);
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

void TestWidgetsFlash::repaintsOnToggle_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("flashing");
    QTest::addColumn<int>("paints");

    QTest::newRow("lit and flashing") << true << true << 1;
    QTest::newRow("dark and flashing") << false << true << 0;
    QTest::newRow("lit, not flashing") << true << false << 0;
}

void TestWidgetsFlash::repaintsOnToggle()
{
    QFETCH(bool, checked);
    QFETCH(bool, flashing);
    QFETCH(int, paints);

    // Half a second between changes at 1 Hz leaves the real ticks of the
    // clock no time to toggle again while the test waits.
    TAbLED led;
    led.setFrequency(FlashClock::ff1Hz);
    led.setChecked(checked);
    led.setFlashing(flashing);
    led.resize(40, 40);
    led.show();
    QVERIFY(QTest::qWaitForWindowExposed(&led));
    advanceToToggle(FlashClock::ff1Hz);
    QTest::qWait(20);

    PaintCounter counter;
    led.installEventFilter(&counter);
    advanceToToggle(FlashClock::ff1Hz);
    QTest::qWait(50);
    QCOMPARE(counter.paints, paints);
}

QTEST_MAIN(TestWidgetsFlash)
#include "tst_widgets_flash.moc"
