// The whole auto-adaptation against the simulated car of the ready-made
// scenarios, the fitter pressing Enter as soon as each step lets him: the
// results must lie where the car was driven.
#include "AdaptationState.h"
#include "PageControl.h"
#include "SimScenario.h"
#include "WindowOnSimulator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

class TestAppAdaptationCar : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    int listIndex(const char *name) const { return onParameters<QComboBox>(name)->currentIndex(); }
    void click(const char *name) const
    {
        QTest::mouseClick(onAdaptation<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(8, 8));
    }

private slots:
    void cleanup()
    {
        closeWindow();
        sim->car().setEngineRunning(false);
        sim->car().setProbe(qxsim::ProbeKind::Auto);
        sim->car().setTpsFalling(false);
        sim->car().setReducerScrew(0);
    }

    void wholeRun_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QStringList>("boxes"); // what the fitter ticks on the vehicle pages
        QTest::addColumn<int>("probeList");     // ComboBox1: 0 "0 - 1 [V]", 1 "0 - 5 [V]"
        QTest::addColumn<int>("tpsList");       // ComboBox4: 0 rising, 1 falling
        QTest::addColumn<int>("glassList");     // ComboBox21: 0 "20K", 1 "90R"
        QTest::addColumn<bool>("cutoff");       // automatic gearbox
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QList<int>>("minBand");
        QTest::addColumn<QList<int>>("maxBand");
        QTest::newRow("0-1 V probe, rising TPS, manual, 20k")
            << "adaptation-whole-narrow-probe.txt" << QStringList() << 0 << 0 << 0 << false << "5"
            << QList<int>{70, 80} << QList<int>{130, 155};
        QTest::newRow("0-5 V probe, falling TPS, automatic, 90R, plastic, > 3 L")
            << "adaptation-whole-wide-probe.txt"
            << QStringList{"srcheckbox2", "SRCheckBox7", "srcheckbox9", "SRCheckBox11"} << 1 << 1 << 1 << true << "11"
            << QList<int>{55, 66} << QList<int>{125, 150};
    }
    void wholeRun()
    {
        QFETCH(QString, scenario);
        QFETCH(QStringList, boxes);
        QFETCH(QList<int>, minBand);
        QFETCH(QList<int>, maxBand);
        sim.restoreDefaults();
        qxsim::Scenario script;
        QString error;
        QVERIFY2(script.load(QStringLiteral(QX_SCENARIOS "/") + scenario, &error), qPrintable(error));
        QVERIFY(startWindow());
        // The car keeps its own time; the stepper phases need 300 ticks each.
        hurryAdaptationSteps();
        sim.runScenario(script);
        form->menu().AutoButton->trigger();

        qx::AdaptationPage *page = form->pages().AutoadaptacjaTab;
        for (int step = 1; step <= qx::AdaptationSteps; ++step) {
            QCOMPARE(page->currentStep(), step);
            if (step == 4 || step == 5)
                for (const QString &box : step == 4 ? boxes.mid(0, 3) : boxes.mid(3))
                    click(qPrintable(box));
            QVERIFY2(waitFor([&] { return page->nextEnabled(step); }, 150000),
                     qPrintable(QString("step %1 never let the fitter go on").arg(step)));
            page->setFocus();
            QTest::keyClick(page, Qt::Key_Return);
        }

        QCOMPARE(form->pages().pagecontrol1->currentWidget(), form->pages().ParametryTab);
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        const qx::AdaptationState &state = form->adaptationState();
        QVERIFY2(state.StepperMin >= minBand[0] && state.StepperMin <= minBand[1],
                 qPrintable(QString::number(state.StepperMin)));
        QVERIFY2(state.StepperMax >= maxBand[0] && state.StepperMax <= maxBand[1],
                 qPrintable(QString::number(state.StepperMax)));
        QVERIFY(state.StepperStart > state.StepperMin && state.StepperStart < state.StepperMax);
        QCOMPARE(field("Edit11_1")->text(), QString::number(state.StepperMin));
        QCOMPARE(field("Edit11_2")->text(), QString::number(state.StepperMax));
        QCOMPARE(field("Edit12")->text(), QString::number(state.StepperStart));
        QTEST(field("Edit18")->text(), "opening");
        QTEST(listIndex("ComboBox1"), "probeList");
        QTEST(listIndex("ComboBox4"), "tpsList");
        QTEST(listIndex("ComboBox21"), "glassList");
        QTEST(onParameters<QCheckBox>("CheckBox15")->isChecked(), "cutoff");
    }
};

QTEST_MAIN(TestAppAdaptationCar)
#include "tst_app_adaptation_car.moc"
