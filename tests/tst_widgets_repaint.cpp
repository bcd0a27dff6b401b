// Instruments repaint when what they show changes, and only then.
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"
#include "tledmeter.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {
using Make = std::function<QWidget *()>;
using Write = std::function<void(QWidget *)>;

// Counts the paint events a widget receives.
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

template <typename W>
Make make()
{
    return [] { return new W; };
}

Write writes(const char *name, const QVariant &value)
{
    return [name, value](QWidget *w) { w->setProperty(name, value); };
}

// Delivers what is already queued, the paints a change asked for included,
// so a count taken afterwards holds everything that change caused.
void deliverQueuedEvents()
{
    QCoreApplication::processEvents();
}

// Advances the flash clock to the next change of the frequency's phase.
void advanceToToggle(FlashClock::Frequency frequency)
{
    FlashClock *clock = FlashClock::instance();
    const bool phase = clock->isOnPhase(frequency);
    while (clock->isOnPhase(frequency) == phase)
        clock->advance();
}
} // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Write)

class TestWidgetsRepaint : public QObject
{
    Q_OBJECT
private slots:
    void repaintsOnlyOnChange_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Write>("first");
        QTest::addColumn<Write>("second");
        QTest::addColumn<int>("secondPaints");
        // One property written twice, with these values.
        const auto twice = [](const char *name, const Make &make, const char *property, const QVariant &first,
                              const QVariant &second, int paints) {
            QTest::newRow(name) << make << writes(property, first) << writes(property, second) << paints;
        };
        twice("270 meter, same Digit twice", make<TAb270Meter>(), "Digit", 42, 42, 0);
        twice("180 meter, same Digit twice", make<TAb180Meter>(), "Digit", 42, 42, 0);
        twice("bar, same Digit twice", make<TAbHBar>(), "Digit", 42, 42, 0);
        twice("thermometer, same Digit twice", make<TAbThermometer>(), "Digit", 42, 42, 0);
        twice("tank, same Digit twice", make<TAbTank>(), "Digit", 42, 42, 0);
        QTest::newRow("270 meter, Value of the same Digit")
            << make<TAb270Meter>() << writes("Digit", 42) << writes("Value", 42.0f) << 0;
        twice("270 meter, another Digit", make<TAb270Meter>(), "Digit", 42, 43, 1);
        twice("LED bar, same Position twice", make<TLEDMeter>(), "Position", 45, 45, 0);
        // 10 segments over 0..100: 44 and 45 both light 4 segments (4.5 rounds to even).
        twice("LED bar, Position within a segment", make<TLEDMeter>(), "Position", 44, 45, 0);
        twice("LED bar, Position into the next segment", make<TLEDMeter>(), "Position", 44, 46, 1);
        twice("270 meter, same ScaleColor", make<TAb270Meter>(), "ScaleColor", QColor(Qt::red), QColor(Qt::red), 0);
        twice("180 meter, another ScaleColor", make<TAb180Meter>(), "ScaleColor", QColor(Qt::red), QColor(Qt::blue), 1);
        twice("180 meter, same UnitColor twice", make<TAb180Meter>(), "UnitColor", QColor(Qt::red), QColor(Qt::red), 0);
        twice("270 meter, another UnitColor", make<TAb270Meter>(), "UnitColor", QColor(Qt::red), QColor(Qt::blue), 1);
        twice("gauge, same Progress twice", make<TGauge>(), "Progress", 40, 40, 0);
        twice("LED, same Checked twice", make<TAbLED>(), "Checked", true, true, 0);
    }
    void repaintsOnlyOnChange()
    {
        QFETCH(Make, make);
        QFETCH(Write, first);
        QFETCH(Write, second);
        std::unique_ptr<QWidget> widget(make());
        widget->resize(160, 160);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        deliverQueuedEvents();

        PaintCounter counter;
        widget->installEventFilter(&counter);
        first(widget.get());
        deliverQueuedEvents();
        QCOMPARE(counter.paints, 1);

        counter.paints = 0;
        second(widget.get());
        deliverQueuedEvents();
        QTEST(counter.paints, "secondPaints");
    }

    void repaintsOnFlash_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("flashing");
        QTest::addColumn<int>("paints");
        QTest::newRow("lit and flashing") << true << true << 1;
        QTest::newRow("dark and flashing") << false << true << 0;
        QTest::newRow("lit, not flashing") << true << false << 0;
    }
    void repaintsOnFlash()
    {
        QFETCH(bool, checked);
        QFETCH(bool, flashing);
        // Half a second between changes at 1 Hz: the clock's own ticks cannot
        // toggle it again while the test delivers its events.
        TAbLED led;
        led.setFrequency(FlashClock::ff1Hz);
        led.setChecked(checked);
        led.setFlashing(flashing);
        led.resize(40, 40);
        led.show();
        QVERIFY(QTest::qWaitForWindowExposed(&led));
        advanceToToggle(FlashClock::ff1Hz);
        deliverQueuedEvents();

        PaintCounter counter;
        led.installEventFilter(&counter);
        advanceToToggle(FlashClock::ff1Hz);
        deliverQueuedEvents();
        QTEST(counter.paints, "paints");
    }
};

QTEST_MAIN(TestWidgetsRepaint)
#include "tst_widgets_repaint.moc"
