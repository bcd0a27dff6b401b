// Auto-adaptation steps 1 to 3 in the real window against the simulator:
// what goes over the wire entering and moving between the steps, the
// keyboard, and the steps completing (or not) on scripted and simulated cars.
#include "AdaptationState.h"
#include "LiveFrames.h"
#include "PageControl.h"
#include "RpmPage.h"
#include "TestBytes.h"
#include "WindowOnSimulator.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabthermometer.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <QtTest>

class TestAppAdaptation : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QString text(const char *name) const { return onAdaptation<QLabel>(name)->text(); }
    QTabWidget *steps() const { return onAdaptation<QTabWidget>("PageControl2"); }
    QStringList visibleTabs() const
    {
        QStringList tabs;
        for (int i = 0; i < steps()->count(); ++i)
            if (steps()->isTabVisible(i))
                tabs << steps()->widget(i)->objectName();
        return tabs;
    }
    // Step 1 on a warm engine at idle, its Next button free.
    [[nodiscard]] bool enterWarmStep1()
    {
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800));
        form->menu().AutoButton->trigger();
        return waitFor([&] { return button("termbutton")->isEnabled(); }, 10000);
    }
    // Into step 2 on a warm engine at idle; false when it did not get there.
    [[nodiscard]] bool enterStep2()
    {
        if (!enterWarmStep1())
            return false;
        button("termbutton")->click();
        return step() == 2;
    }
    // Into step 3 with the TPS threshold found.
    [[nodiscard]] bool enterStep3()
    {
        if (!enterStep2())
            return false;
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        if (!waitFor([&] { return button("tpsbutton")->isEnabled(); }, 10000))
            return false;
        button("tpsbutton")->click();
        return step() == 3;
    }

private slots:
    void init() { QVERIFY(startWindowOnTheUsualCar()); }

    void cleanup()
    {
        closeWindow();
        sim->setLiveFrames({});
    }

    void f5FromTheRpmPage()
    {
        form->menu().AutoButton->trigger();
        waitTicks(form->timers().TimerAdaptTerm, 3);
        // The RPM page's ignition choice and the version as it is left, the
        // ignition type for the step, then two live requests a tick.
        QCOMPARE(sent(), hex("1f 02 00 01 09") + QByteArray(2 * 3, '\x02'));
        QCOMPARE(visibleTabs(), QStringList{"adaptterm"});
        QCOMPARE(text("Label11"), QStringLiteral("Ad2 - termometr"));
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerAdaptTerm});
        QCOMPARE(QApplication::focusWidget(), onAdaptation<QComboBox>("ComboTerm"));
        QVERIFY(!form->navigator().parametersInSync());
    }

    void enteringAgainShowsOnlyTheFirstStep()
    {
        QVERIFY(enterStep3());
        form->menu().ObrButton->trigger();
        form->menu().AutoButton->trigger();
        QCOMPARE(visibleTabs(), QStringList{"adaptterm"});
        QCOMPARE(step(), 1);
        QCOMPARE(text("Label11"), QStringLiteral("Ad2 - termometr"));
    }

    void nextFromStep1SendsTheIgnitionThenPollsStep2()
    {
        QVERIFY(enterWarmStep1());
        clearWire();
        button("termbutton")->click();
        waitTicks(form->timers().TimerUstTpsProg, 3);
        // The idle reading of the step's start, then one request a tick.
        QCOMPARE(sent(), hex("1f 02 00") + QByteArray(1 + 3, '\x02'));
        QCOMPARE(visibleTabs(), QStringList{"AdaptTps"});
        QCOMPARE(text("Label11"), QStringLiteral("Ad2 - ustalenie progu TPS"));
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerUstTpsProg});
    }

    void ignitionListMovesTheSpeedBeforeAnythingIsSent()
    {
        sim->setLiveFrame(liveFrame(20, 20, 140, At2000));
        form->menu().AutoButton->trigger();
        CLOCK_COMPARE(text("PanelTerm"), QStringLiteral("2000"), 10000);
        clearWire();
        onAdaptation<QComboBox>("ComboTerm")->setCurrentIndex(3); // 5 cylinders: 4000 per turn
        CLOCK_COMPARE(text("PanelTerm"), QStringLiteral("1650"), 10000);
        QVERIFY2(!sent().contains('\x1f'), "the ignition type goes out only with Next");
        button("termbutton")->click();
        QVERIFY(sent().contains(hex("1f 03 00")));
    }

    void warmEngineFreesNext_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<bool>("free");
        QTest::newRow("130 waits") << 130 << false;
        QTest::newRow("131 is warm") << 131 << true;
    }
    void warmEngineFreesNext()
    {
        QFETCH(int, temperature);
        sim->setLiveFrame(liveFrame(20, 20, temperature, Idle800));
        form->menu().AutoButton->trigger();
        QVERIFY2(!button("termbutton")->isEnabled(), "a controller with a temperature input waits for a warm engine");
        waitTicks(form->timers().TimerAdaptTerm, 3);
        QTEST(button("termbutton")->isEnabled(), "free");
        QCOMPARE(onAdaptation<TAbThermometer>("AdaptTherm")->digit(), temperature);
    }

    void enterInTheIgnitionListMovesOnEvenWhileNextWaits()
    {
        sim->setLiveFrame(liveFrame(20, 20, 100, Idle800)); // cold
        form->menu().AutoButton->trigger();
        QVERIFY(!button("termbutton")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), onAdaptation<QComboBox>("ComboTerm"));
        clearWire();
        press(Qt::Key_Return);
        QCOMPARE(step(), 2);
        QCOMPARE(sent().count('\x1f'), 1);
    }

    void sensorBoxIsTheParametersPagesBox()
    {
        form->menu().AutoButton->trigger();
        auto *box = onAdaptation<QCheckBox>("WlCzujtTempCheckAd");
        QVERIFY(box->isVisible());
        auto *pageBox = onParameters<QCheckBox>("CheckBox22_2");
        QVERIFY(!pageBox->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(pageBox->isChecked());
        QCOMPARE(form->parameters().TempSensorOn, quint8(1));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!pageBox->isChecked());
        QCOMPARE(form->parameters().TempSensorOn, quint8(0));
    }

    void tpsStepFindsTheThreshold()
    {
        QVERIFY(enterStep2());
        QCOMPARE(text("TPSdolny"), QStringLiteral("1.00"));
        QCOMPARE(text("TPSgorny"), QString());
        QVERIFY(!button("tpsbutton")->isEnabled());
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        CLOCK_VERIFY(button("tpsbutton")->isEnabled(), 10000);
        QCOMPARE(text("TPSgorny"), QStringLiteral("4.50"));
        QCOMPARE(text("TPSprog"), QStringLiteral("1.35"));
        QVERIFY(onAdaptation<QLabel>("Label56")->isVisible());
        QVERIFY(onAdaptation<TAbLED>("AbDBLED4")->isChecked());
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>());
        QCOMPARE(form->adaptationState().TpsThreshold, 27);
        QCOMPARE(form->adaptationState().TpsParked, 250);
    }

    void probeCalibration_data()
    {
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("scaleEnd");
        QTest::addColumn<QStringList>("volts"); // lean, rich, threshold
        QTest::newRow("0-1 V probe") << 10 << 45 << "1 V" << QStringList{"0.19", "0.88", "0.52"};
        // Read lean before rich, and still on one scale.
        QTest::newRow("0-5 V probe") << 26 << 230 << "5 V" << QStringList{"0.50", "4.52", "2.52"};
    }
    void probeCalibration()
    {
        hurryAdaptationSteps();
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QVERIFY(enterStep3());
        QCOMPARE(text("PUboga"), QStringLiteral("......."));
        QCOMPARE(onAdaptation<TAbHBar>("miernik")->digit(), 3);
        sim->setLiveFrames({liveFrame(lowest, 20, 140, At2000), liveFrame(highest, 20, 140, At2000)});
        CLOCK_VERIFY(button("SondButton")->isEnabled(), 20000);
        QTEST(text("Ad4LabelV"), "scaleEnd");
        QTEST(QStringList({text("PUboga"), text("PBogata"), text("PProg")}), "volts");
        QVERIFY(onAdaptation<QLabel>("Label87")->isVisible());
        QVERIFY(onAdaptation<TAbLED>("LED1")->isChecked());
        QCOMPARE(onAdaptation<TAbHBar>("miernik")->digit(), 0);
        // The timer goes on; the result stands.
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerKalibSonda});
    }

    void wideProbeOfTheSimulatedCar()
    {
        QVERIFY(enterStep3());
        sim->setLiveFrames({});
        sim->car().setProbe(qxsim::ProbeKind::Wide);
        sim->car().setEngineRunning(true);
        sim->car().setTargetRpm(2400, 0.3);
        CLOCK_VERIFY(button("SondButton")->isEnabled(), 30000);
        QCOMPARE(text("Ad4LabelV"), QStringLiteral("5 V"));
        QVERIFY2(text("PBogata").toDouble() > 3.0, qPrintable(text("PBogata")));
        QVERIFY2(text("PUboga").toDouble() < 2.0, qPrintable(text("PUboga")));
        sim->car().setProbe(qxsim::ProbeKind::Auto);
        sim->car().setEngineRunning(false);
    }

    void backOnStep3StartsStep2Afresh()
    {
        QVERIFY(enterStep3());
        sim->setLiveFrame(liveFrame(20, 40, 140, Idle800));
        clearWire();
        button("CofnijAD3")->click();
        QCOMPARE(step(), 2);
        QCOMPARE(sent(), hex("1f 02 00 02"));
        QCOMPARE(text("TPSdolny"), QStringLiteral("2.00"));
        QCOMPARE(visibleTabs(), QStringList({"AdaptTps", "adaptsonda"}));
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerUstTpsProg});
    }

    void choosingAStepsTabStartsIt()
    {
        QVERIFY(enterStep3());
        button("CofnijAD3")->click();
        QCOMPARE(step(), 2);
        clearWire();
        QTabBar *bar = steps()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QCOMPARE(step(), 3);
        QCOMPARE(text("Label11"), QStringLiteral("Kalibracja Sondy Lambda"));
        QCOMPARE(text("PUboga"), QStringLiteral("......."));
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerKalibSonda});
        QVERIFY(form->channel().isOpen());
    }

    // Only a click on a tab changes the step: keyboard and wheel leave it, so
    // no step starts without its routine. The heading follows every step.
    void onlyAClickChangesTheStep_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Ctrl+Tab") << "ctrl+tab" << 2 << "Ad2 - ustalenie progu TPS";
        QTest::newRow("arrow on the tab bar") << "arrow" << 2 << "Ad2 - ustalenie progu TPS";
        QTest::newRow("wheel over the tabs") << "wheel" << 2 << "Ad2 - ustalenie progu TPS";
        QTest::newRow("probe tab clicked") << "2" << 3 << "Kalibracja Sondy Lambda";
        QTest::newRow("vehicle tab clicked") << "3" << 4 << "Wybór parametrow samochodu";
        QTest::newRow("glass tab clicked") << "4" << 5 << "Wybór oczka";
    }
    void onlyAClickChangesTheStep()
    {
        QFETCH(QString, action);
        QVERIFY(enterStep2());
        for (int s = 2; s <= 4; ++s)
            steps()->setTabVisible(s, true);
        QTabBar *bar = steps()->tabBar();
        if (action == "ctrl+tab") {
            QTest::keyClick(steps(), Qt::Key_Tab, Qt::ControlModifier);
        } else if (action == "arrow") {
            QTest::keyClick(bar, Qt::Key_Right);
        } else if (action == "wheel") {
            QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
        } else {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(action.toInt()).center());
        }
        QTEST(step(), "step");
        QTEST(text("Label11"), "heading");
        QCOMPARE(form->timers().TimerKalibSonda.isActive(), step() == 3);
    }

    void enterInTheOpenIgnitionListTakesItsEntryFirst()
    {
        QVERIFY(enterWarmStep1());
        auto *list = onAdaptation<QComboBox>("ComboTerm");
        list->showPopup();
        CLOCK_VERIFY(list->view()->isVisible(), 5000);
        list->view()->setCurrentIndex(list->model()->index(3, 0)); // "5 cylindry"
        clearWire();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list->view(), &enter);
        QCOMPARE(step(), 2);
        QCOMPARE(sent().left(3), hex("1f 03 00"));
    }

    // Enter and Backspace act on the step shown, as its buttons would.
    void keyboard_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        for (int from = 1; from <= 8; ++from)
            QTest::addRow("%d Backspace", from) << from << int(Qt::Key_Backspace) << std::max(from - 1, 1);
        QTest::newRow("1 Enter") << 1 << int(Qt::Key_Return) << 2;
        QTest::newRow("2 Enter waits") << 2 << int(Qt::Key_Return) << 2;
        QTest::newRow("3 Enter waits") << 3 << int(Qt::Key_Enter) << 3;
        QTest::newRow("4 Enter") << 4 << int(Qt::Key_Return) << 5;
        QTest::newRow("5 Enter") << 5 << int(Qt::Key_Return) << 6;
        QTest::newRow("6 Enter waits") << 6 << int(Qt::Key_Return) << 6;
    }
    void keyboard()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        // Cold, idle, on petrol: nothing completes by itself.
        sim->setLiveFrame(liveFrame(20, 20, 100, Idle800, 255));
        goToStep(from);
        QCOMPARE(step(), from);
        form->pages().AutoadaptacjaTab->setFocus();
        press(key);
        QTEST(step(), "to");
        QVERIFY(runningTimers().size() <= 1);
    }

    void keysLeaveTheAdaptationAloneOnOtherPages()
    {
        form->menu().AutoButton->trigger();
        form->menu().ObrButton->trigger();
        press(Qt::Key_Return);
        press(Qt::Key_Backspace);
        QCOMPARE(step(), 1);
        QCOMPARE(form->pages().pagecontrol1->currentWidget(), form->pages().ObrotyTab);
    }

    void leavingFromStep1SendsTheIgnitionType_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("sends");
        QTest::newRow("step 1") << 1 << true;
        QTest::newRow("step 3") << 3 << false;
    }
    void leavingFromStep1SendsTheIgnitionType()
    {
        QFETCH(int, from);
        goToStep(from);
        clearWire();
        form->menu().ObrButton->trigger();
        QTEST(sent().startsWith(hex("1f 02 00")), "sends");
        if (from != 1)
            QVERIFY(!sent().contains('\x1f'));
    }

    // --- faults ---

    void hungUpPortCompletesNothingUntilItReturns()
    {
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800));
        QVERIFY(enterStep2());
        sim.setFault(qxsim::Fault::HangUp, 0);
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        waitTicks(form->timers().TimerUstTpsProg, 10);
        QVERIFY(!button("tpsbutton")->isEnabled());
        QCOMPARE(text("TPSgorny"), QString());

        sim.setFault(qxsim::Fault::None);
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800));
        button("CofnijAD2")->click();
        QCOMPARE(step(), 1);
        CLOCK_VERIFY(button("termbutton")->isEnabled(), 10000);
        button("termbutton")->click();
        // The engine revs only once the step has its idle reading, as a fitter does.
        CLOCK_VERIFY(!text("TPSdolny").isEmpty(), 10000);
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        CLOCK_VERIFY(button("tpsbutton")->isEnabled(), 10000);
        QCOMPARE(text("TPSprog"), QStringLiteral("1.35"));
    }

    void hungUpPortStopsTheCalibrationUntilBackRestartsIt()
    {
        hurryAdaptationSteps();
        QVERIFY(enterStep3());
        sim.setFault(qxsim::Fault::HangUp, 0);
        sim->setLiveFrames({liveFrame(10, 20, 140, At2000), liveFrame(45, 20, 140, At2000)});
        waitTicks(form->timers().TimerKalibSonda, 20);
        QVERIFY(!button("SondButton")->isEnabled());
        QCOMPARE(onAdaptation<TAbHBar>("miernik")->digit(), 3);

        sim.setFault(qxsim::Fault::None);
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800));
        button("CofnijAD3")->click();
        // Back on step 2 the idle reading comes first.
        CLOCK_VERIFY(!text("TPSdolny").isEmpty(), 10000);
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        CLOCK_VERIFY(button("tpsbutton")->isEnabled(), 10000);
    }

    void badChecksumsAreNotMeasured()
    {
        sim->setVersion(5);
        form->navigator().OdczytUkladuButtClick();
        QVERIFY(enterWarmStep1());
        sim.setFault(qxsim::Fault::BadChecksum);
        // Enter moves on whatever the button says; the idle reading is bad.
        press(Qt::Key_Return);
        QCOMPARE(step(), 2);
        QCOMPARE(text("TPSdolny"), QString());
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        waitTicks(form->timers().TimerUstTpsProg, 10);
        QVERIFY(!button("tpsbutton")->isEnabled());
        QCOMPARE(text("TPSdolny"), QString());

        // Good frames again: the first is taken as the idle reading only.
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800));
        sim.setFault(qxsim::Fault::None);
        CLOCK_COMPARE(text("TPSdolny"), QStringLiteral("1.00"), 10000);
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200));
        CLOCK_VERIFY(button("tpsbutton")->isEnabled(), 10000);
        QCOMPARE(text("TPSprog"), QStringLiteral("1.35"));
    }

    void deadProbeStartsTheCalibrationOver()
    {
        hurryAdaptationSteps();
        QVERIFY(enterStep3());
        sim->setLiveFrame(liveFrame(23, 20, 140, At2000));
        QSignalSpy ticks(&form->timers().TimerKalibSonda, &qx::PollTimer::timeout);
        int highest = 0;
        CLOCK_VERIFY((highest = std::max(highest, onAdaptation<TAbHBar>("miernik")->digit()), ticks.count() >= 60), 20000);
        QVERIFY2(highest >= 90, "the measurement ran");
        QVERIFY(!button("SondButton")->isEnabled());
        QCOMPARE(text("PProg"), QStringLiteral("......."));
        QVERIFY(onAdaptation<TAbHBar>("miernik")->digit() < 30);
    }

    void stalledEnginePausesTheCalibration()
    {
        hurryAdaptationSteps();
        QVERIFY(enterStep3());
        sim->setLiveFrames({liveFrame(10, 20, 140, At2000), liveFrame(45, 20, 140, At2000)});
        CLOCK_VERIFY(onAdaptation<TAbHBar>("miernik")->digit() >= 40, 10000);
        sim->setLiveFrame(liveFrame(10, 20, 140, Idle800));
        waitTicks(form->timers().TimerKalibSonda, 10); // the average follows the idle speed
        const int paused = onAdaptation<TAbHBar>("miernik")->digit();
        waitTicks(form->timers().TimerKalibSonda, 10);
        QCOMPARE(onAdaptation<TAbHBar>("miernik")->digit(), paused);
        QVERIFY(paused < 100);
        sim->setLiveFrames({liveFrame(10, 20, 140, At2000), liveFrame(45, 20, 140, At2000)});
        CLOCK_VERIFY(button("SondButton")->isEnabled(), 20000);
        QCOMPARE(text("PBogata"), QStringLiteral("0.88"));
    }
};

QTEST_MAIN(TestAppAdaptation)
#include "tst_app_adaptation.moc"
