// The whole auto-adaptation in the real window against the simulator, with
// scripted live frames: the adaptation sets of steps 6 and 8, the final
// write, the Parameters page read back and saved; Back from the later
// steps; and the faults of the later steps.
#include "AdaptationState.h"
#include "LiveFrames.h"
#include "PageControl.h"
#include "TestBytes.h"
#include "WindowOnSimulator.h"
#include "tabhbar.h"
#include "tabled.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

// The adaptation set of step 6 for the car below (0-1 V probe at 45 and 27,
// rising TPS, manual gearbox, 20k glass) on a controller whose flag byte was
// 0: the stepper held at 79 … 81, lambda times 800 ms.
const char *const ChangeoverSet = "1e 01 0b 00 0f 1b 08 80 07 07 fa 14 25 02 0b 00 16 80 02 19 05 0b 00 15 18 00 "
                                  "0b 00 0b 00 1b 00 20 16 ee 1c 08 cf 0b 00 17 eb 18 00 0a 0b 80 "
                                  "12 b0 af 13 ae 06 c3 00 86 01 0a";
// Step 8's: the flag byte as step 6 left it, the stepper free at 10 … 200.
const char *const StepperSet = "1e 01 0b 80 0f 1b 08 80 07 07 fa 14 25 02 0b 80 16 80 02 19 05 0b 80 15 18 00 "
                               "0b 80 0b 80 1b 00 20 16 ee 1c 08 cf 0b 80 17 eb 18 00 0a 0b 80 "
                               "12 f5 37 13 af 06 c3 00 86 01 0a";

} // namespace

class TestAppAdaptationRun : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    // Steps 1 to 3 on scripted frames: warm, idle TPS 20 then 90 at 3200 rpm,
    // the probe between 10 and 45 at 2000 rpm; Enter moves on each time.
    [[nodiscard]] bool throughProbeStep()
    {
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800, 255));
        form->menu().AutoButton->trigger();
        if (!waitFor([&] { return button("termbutton")->isEnabled(); }))
            return false;
        press(Qt::Key_Return);
        sim->setLiveFrame(liveFrame(20, 90, 140, At3200, 255));
        if (!waitFor([&] { return button("tpsbutton")->isEnabled(); }))
            return false;
        press(Qt::Key_Return);
        sim->setLiveFrames({liveFrame(10, 20, 140, At2000, 255), liveFrame(45, 20, 140, At2000, 255)});
        if (!waitFor([&] { return button("SondButton")->isEnabled(); }))
            return false;
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800, 255)); // idle on petrol
        press(Qt::Key_Return);
        return step() == 4;
    }

    // Steps 4 to 6: the car changes over to gas, and on to the reducer's step.
    [[nodiscard]] bool throughChangeoverStep()
    {
        if (!throughProbeStep())
            return false;
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        if (step() != 6)
            return false;
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800, 185)); // on gas
        if (!waitFor([&] { return button("przedreduktbutton")->isEnabled(); }))
            return false;
        press(Qt::Key_Return);
        return step() == 7;
    }

private slots:
    void init()
    {
        sim.restoreDefaults();
        // A 0-1 V probe, "4 cylindry", every flag bit clear.
        sim->setParameterBlock(blockBytes({{8, 0x00}, {31, 1}, {32, 2}, {33, 0}}, sim.startBlock()));
        QVERIFY(startWindow());
        // The bytes and results are what this test is about; the stepper
        // calibration alone takes 600 ticks.
        hurryAdaptationSteps();
        clearWire();
    }

    void cleanup()
    {
        closeWindow();
        sim->setLiveFrames({});
    }

    void wholeAdaptation()
    {
        QVERIFY(throughProbeStep());
        QCOMPARE(form->adaptationState().ProbeRich, 45);
        QCOMPARE(form->adaptationState().ProbeThreshold, 27);

        // Step 6: the first adaptation set back to back, then polls on petrol.
        press(Qt::Key_Return);
        clearWire();
        press(Qt::Key_Return);
        QCOMPARE(step(), 6);
        QCOMPARE(sent().left(hex(ChangeoverSet).size()), hex(ChangeoverSet));
        const QVector<double> gaps = sentGapsMs();
        for (int i = 0; i + 1 < hex(ChangeoverSet).size(); ++i)
            QVERIFY2(gaps[i] >= 3, qPrintable(QString("byte %1 came %2 ms after the one before").arg(i + 1).arg(gaps[i])));

        // On gas: the car is shown changed over for 2 s before Next is free.
        const qint64 shownAt = sim.now();
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800, 185));
        QVERIFY(waitFor([&] { return button("przedreduktbutton")->isEnabled(); }));
        QVERIFY(sim.now() - shownAt >= 2000 * 1000);
        QVERIFY(!form->timers().TimerPrzedRed.isActive());
        QVERIFY(onAdaptation<QLabel>("NastapiloPrzejscieBGLABEL")->isVisible());
        press(Qt::Key_Return);
        QVERIFY(onAdaptation<QLabel>("NastapiloPrzejscieBGLABEL")->isHidden());
        // Nothing went over the wire while the changeover was shown: the
        // step's polls stopped, and step 7's first comes after the pause.
        waitForSent(sent().size() + 1);
        const QVector<double> stepGaps = sentGapsMs();
        QVERIFY2(*std::max_element(stepGaps.begin(), stepGaps.end()) >= 2000, "no pause without polls");

        // Step 7: 30 is not rich yet, 31 is.
        sim->setLiveFrame(liveFrame(30, 20, 140, Idle800, 185));
        waitTicks(form->timers().TimerRR, 5);
        QVERIFY(!button("RRbutton")->isEnabled());
        sim->setLiveFrame(liveFrame(31, 20, 140, Idle800, 185));
        QVERIFY(waitFor([&] { return button("RRbutton")->isEnabled(); }));
        QVERIFY(onAdaptation<TAbLED>("LedRR")->isChecked());

        // Step 8: the second set, idle between stepper bytes 175 and 195, then
        // above 2000 rpm up to bar 150, the probe rich and lean a tick each.
        sim->setLiveFrames({liveFrame(20, 20, 140, Idle800, 175), liveFrame(20, 20, 140, Idle800, 185),
                           liveFrame(20, 20, 140, Idle800, 195)});
        clearWire();
        press(Qt::Key_Return);
        QCOMPARE(step(), 8);
        QCOMPARE(sent().left(hex(StepperSet).size()), hex(StepperSet));
        QVERIFY(onAdaptation<QLabel>("Label70")->isVisible());
        QVERIFY(waitFor([&] { return onAdaptation<TAbLED>("LedMin")->isChecked(); }, 60000));
        QCOMPARE(onAdaptation<QLabel>("PanelMin")->text(), QStringLiteral("58"));
        QVERIFY(onAdaptation<QLabel>("Label76")->isVisible());
        sim->setLiveFrames({liveFrame(10, 20, 140, At2400, 105), liveFrame(45, 20, 140, At2400, 120)});
        QVERIFY(waitFor([&] { return button("MinMaxButton")->isEnabled(); }, 60000));
        QCOMPARE(onAdaptation<QLabel>("PanelMax")->text(), QStringLiteral("180"));
        QCOMPARE(onAdaptation<QLabel>("PanelStart")->text(), QStringLiteral("131"));
        QVERIFY(onAdaptation<QLabel>("KomunikatKoncowy")->isVisible());
        QCOMPARE(form->adaptationState().LambdaTimeRich, 85);
        QCOMPARE(form->adaptationState().LambdaTimeLean, 85);

        // The finish: the final values, then the page read back and saved.
        clearWire();
        press(Qt::Key_Return);
        const QByteArray finish = hex("07 1b 12 c5 4b 13 7c 06 15 00 29 00 1b 05 0b 80 0b 80 0a aa 22 0a 09 01 aa");
        QCOMPARE(sent().left(finish.size()), finish);
        QCOMPARE(form->pages().pagecontrol1->currentWidget(), form->pages().ParametryTab);
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        QVERIFY(form->timers().TimerParamOdcz.isActive());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ComboBox1"));
        const char *const expected[][2] = {
            {"Edit11_1", "58"}, {"Edit11_2", "180"}, {"Edit12", "131"}, {"Edit5", "1,35"}, {"Edit18", "5"},
            {"Edit3", "2000"},  {"Edit8_1", "7000"}, {"Edit10", "500"}, {"Edit14", "1"},   {"Edit16", "20"},
            {"Edit17", "1500"}, {"Edit19", "100"},   {"Edit6", "2"},    {"Edit7", "5"},
        };
        for (const auto &[name, text] : expected)
            QVERIFY2(field(name)->text() == QLatin1String(text),
                     qPrintable(QString("%1 shows %2, not %3").arg(name, field(name)->text(), text)));
        for (const char *list : {"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20", "ComboBox21"})
            QVERIFY2(onParameters<QComboBox>(list)->currentIndex() == 0, list);
        QVERIFY(!onParameters<QCheckBox>("CheckBox15")->isChecked());

        // What the page shows is what the controller holds.
        const auto shown = [&] {
            QStringList fields;
            for (QLineEdit *edit : form->pages().ParametryTab->findChildren<QLineEdit *>())
                fields << edit->objectName() + "=" + edit->text();
            return fields;
        };
        const QStringList before = shown();
        form->navigator().odczButPicClick();
        QCOMPARE(shown(), before);
    }

    // Back from each later step enters the step before it from its start.
    void backFromTheLaterSteps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QByteArray>("writes"); // bytes the Back sends first, if any
        QTest::newRow("4 to 3") << 4 << QByteArray();
        QTest::newRow("5 to 4") << 5 << QByteArray();
        QTest::newRow("6 to 5") << 6 << QByteArray();
        QTest::newRow("7 to 6: the first set again") << 7 << hex("1e 01");
        QTest::newRow("8 to 7") << 8 << QByteArray();
    }
    void backFromTheLaterSteps()
    {
        QFETCH(int, from);
        QFETCH(QByteArray, writes);
        sim->setLiveFrame(liveFrame(20, 20, 100, Idle800, 255));
        goToStep(from);
        QCOMPARE(step(), from);
        clearWire();
        button(qPrintable(QString("CofnijAD%1").arg(from)))->click();
        QCOMPARE(step(), from - 1);
        if (!writes.isEmpty())
            QVERIFY(sent().startsWith(writes));
        QVERIFY(onAdaptation<QLabel>("NastapiloPrzejscieBGLABEL")->isHidden());
        QVERIFY(form->pages().AutoadaptacjaTab->nextVisible(from - 1));
    }

    // A stall in the idle phase takes no sample; a dead probe in the high
    // phase leaves the lambda times at 800 ms.
    void stallAndDeadProbeInTheStepperCalibration()
    {
        QVERIFY(throughChangeoverStep());
        sim->setLiveFrame(liveFrame(40, 20, 140, Idle800, 185)); // the reducer turned rich
        QVERIFY(waitFor([&] { return button("RRbutton")->isEnabled(); }));
        sim->setLiveFrames({liveFrame(20, 20, 140, Idle800, 175), liveFrame(20, 20, 140, Idle800, 195)});
        press(Qt::Key_Return);
        auto *progress = onAdaptation<TAbHBar>("LambdaBarObr2");
        QVERIFY(waitFor([&] { return progress->digit() >= 30; }));
        sim->setLiveFrame(liveFrame(20, 20, 140, Idle800, 255)); // stalled: back on petrol, stepper closed
        waitTicks(form->timers().TimerMinMax1, 3);
        const int paused = progress->digit();
        waitTicks(form->timers().TimerMinMax1, 17);
        QCOMPARE(progress->digit(), paused);
        QVERIFY(!onAdaptation<TAbLED>("LedMin")->isChecked());

        sim->setLiveFrames({liveFrame(20, 20, 140, Idle800, 175), liveFrame(20, 20, 140, Idle800, 195)});
        QVERIFY(waitFor([&] { return onAdaptation<TAbLED>("LedMin")->isChecked(); }, 60000));
        QCOMPARE(onAdaptation<QLabel>("PanelMin")->text(), QStringLiteral("58"));
        sim->setLiveFrame(liveFrame(23, 20, 140, At2400, 105)); // the probe stuck
        QVERIFY(waitFor([&] { return button("MinMaxButton")->isEnabled(); }, 60000));
        QCOMPARE(form->adaptationState().LambdaTimeRich, 800);
        QCOMPARE(form->adaptationState().LambdaTimeLean, 800);
        clearWire();
        button("MinMaxButton")->click();
        QVERIFY(sent().startsWith(hex("07 1b 12 c5 4b 13 7c 06 c3 00 86 01")));
    }

    void deadProbeNeverFinishesTheReducerStep()
    {
        QVERIFY(throughChangeoverStep());
        waitTicks(form->timers().TimerRR, 20);
        QVERIFY(!button("RRbutton")->isEnabled());
        QVERIFY(!onAdaptation<TAbLED>("LedRR")->isChecked());
        QCOMPARE(onAdaptation<TAbHBar>("LambdabarRR")->digit(), 20);
        // The bars of steps 7 and 8 show no number and no unit.
        QCOMPARE(onAdaptation<TAbHBar>("LambdabarRR")->barSettings().options, BarSettings::Options(BarSettings::opUseSectorCol));
        QCOMPARE(onAdaptation<TAbHBar>("LambdaBarObr1")->barSettings().options, BarSettings::Options());
    }

    // Without a read-back nothing is saved: the page keeps its texts, and no
    // later page change writes them over the adaptation's values.
    void portLostBeforeTheFinish()
    {
        sim->setLiveFrame(liveFrame(20, 20, 100, Idle800, 255));
        form->menu().ParButton->trigger();
        field("Edit3")->setText("3300");
        goToStep(8);
        sim.setFault(qxsim::Fault::HangUp, 0);
        clearWire();
        emit form->pages().AutoadaptacjaTab->nextClicked(8);
        QCOMPARE(form->pages().pagecontrol1->currentWidget(), form->pages().ParametryTab);
        QCOMPARE(field("Edit3")->text(), QStringLiteral("3300"));
        QCOMPARE(form->statusPanelText(0), QStringLiteral("Brak łączności"));
        QCOMPARE(form->statusPanelText(1), QString());
        QVERIFY(form->timers().TimerParamOdcz.isActive());
        QVERIFY(dialogs->count(qx::DialogIcon::Error) >= 1);

        sim.setFault(qxsim::Fault::None);
        clearWire();
        form->menu().ObrButton->trigger();
        QVERIFY2(!sent().contains(hex("aa 1e")), "nor written by a page change");
    }
};

QTEST_MAIN(TestAppAdaptationRun)
#include "tst_app_adaptation_run.moc"
