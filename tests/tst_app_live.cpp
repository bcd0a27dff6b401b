// The live pages against the simulator: the Visualisation page's entry and
// polls following a simulated car, the transmission-error label, the
// version-5 checksum, and the Parameters page's live strip.
#include "LivePolls.h"
#include "tab270meter.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "TestBytes.h"
#include "tgauge.h"
#include "tledmeter.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

class TestAppLive : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    qx::VisualisationPage *page() const { return form->pages().WizualizacjaTab; }
    // Lets the page poll until the simulator has seen that many requests; a
    // page that stalls fails here rather than hanging.
    void pollUntil(int requests) { QVERIFY(waitFor([&] { return wire::liveRequests(sentEvents()) >= requests; }, 10000)); }

private slots:
    void init()
    {
        sim.restoreDefaults();
        sim->car().setEngineRunning(false);
        sim->car().setCoolant(20);
        sim->car().setGasLevel(50);
        makeWindow();
        form->FormCreate();
        clearWire();
    }

    void cleanup() { closeWindow(); }

    void enteringTheVisualisationPage()
    {
        form->menu().ParButton->trigger();
        onParameters<QCheckBox>("CheckBox15")->click(); // an edit: the controller no longer holds the page
        clearWire();
        form->menu().WizButton->trigger();
        const QByteArray bytes = sent();
        const int write = bytes.indexOf(hex("aa 1e"));
        const int read = bytes.indexOf(hex("aa 22 0a 09"), write);
        QVERIFY2(write > 0 && read > write, qPrintable(bytes.toHex(' ')));
        QVERIFY2(bytes.mid(read).startsWith(hex("aa 22 0a 09 01")), "read, then the temperature options");
        QCOMPARE(sim->parameterBlock().at(8) & 0x10, 0x10); // the cut-off tick reached the controller
        QVERIFY(form->timers().TimerWiz.isActive());
        QVERIFY(form->navigator().parametersInSync());

        clearWire();
        pollUntil(10);
        const auto events = sentEvents();
        QCOMPARE(wire::liveRequests(events), events.size());
        for (double gap : sentGapsMs())
            QVERIFY2(gap >= 23, qPrintable(QString("%1 ms between polls").arg(gap)));
    }

    void instrumentsFollowTheCar()
    {
        sim->setParameterBlock(blockBytes({{8, sim.startBlock()[8] | 0x08}}, sim.startBlock())); // temperature sensor on
        sim->car().setEngineRunning(true);
        sim->car().setTargetRpm(3000, 0.1);
        sim->car().setCoolant(80);
        sim->car().setGasLevel(50);
        form->menu().WizButton->trigger();
        QVERIFY(!control<TAbThermometer>(page(), "AbThermometer1")->isHidden());
        // The car reaches its speed and the probe swings; the page follows.
        CLOCK_VERIFY(qAbs(control<TAb270Meter>(page(), "obrotomierz")->digit() - 3000) <= 150, 10000);
        CLOCK_VERIFY(qAbs(control<QLabel>(page(), "Panel1")->text().toInt() - 3000) <= 150, 10000);
        CLOCK_VERIFY(qAbs(control<QLabel>(page(), "paneltemp")->text().toInt() - 80) <= 1, 10000);
        CLOCK_VERIFY(control<QLabel>(page(), "Label43")->text().toInt() > 0 && control<QLabel>(page(), "Label44")->text().toInt() > 0, 10000);
        QCOMPARE(control<QLabel>(page(), "Panel4")->text().toInt(), control<TAbTank>(page(), "Gauge2")->digit());
        QCOMPARE(control<TGauge>(page(), "Gauge3")->progress(), 50);
        const qxsim::CarState car = sim->carState();
        QCOMPARE(control<TAbLED>(page(), "AbLED1")->isChecked(), car.onGas);
        QCOMPARE(control<TAbLED>(page(), "AbLED1")->caption(), car.onGas ? QStringLiteral("Gaz") : QStringLiteral("Benzyna"));

        sim->car().setEngineRunning(false);
        sim->car().setGasLevel(10);
        sim->car().setCoolant(20);
        CLOCK_COMPARE(control<QLabel>(page(), "Panel1")->text(), QStringLiteral("0"), 10000);
        CLOCK_COMPARE(control<TAbLED>(page(), "AbLED1")->caption(), QStringLiteral("Benzyna"), 10000);
        QVERIFY(!control<TAbLED>(page(), "AbLED1")->isChecked());
        CLOCK_VERIFY(qAbs(control<QLabel>(page(), "paneltemp")->text().toInt() - 20) <= 1, 10000); // 1.9 °C a step
        CLOCK_COMPARE(control<TGauge>(page(), "Gauge3")->progress(), 10, 10000);
    }

    void transmissionErrorAfterTheTwentyFirstEmptyRead()
    {
        form->menu().WizButton->trigger();
        form->timers().TimerWiz.stop();
        form->livePolls().TimerWizTimer();
        // The connection check's button shows with the warning and goes with it.
        auto *check = control<QPushButton>(page(), "DiagnozaButton");
        const auto warning = [&] {
            return control<QLabel>(page(), "TranserrorLabel")->text() + (check->isHidden() ? "" : " + button");
        };
        QCOMPARE(warning(), QString());
        sim.setFault(qxsim::Fault::Silence);
        for (int i = 0; i < 20; ++i)
            form->livePolls().TimerWizTimer();
        QCOMPARE(warning(), QString());
        form->livePolls().TimerWizTimer();
        QCOMPARE(warning(), QStringLiteral("Brak łączności + button"));
        sim.setFault(qxsim::Fault::None);
        form->livePolls().TimerWizTimer();
        QCOMPARE(warning(), QString());
    }

    void checksumFailureLeavesThePageAlone()
    {
        sim->setVersion(5);
        form->navigator().OdczytUkladuButtClick();
        form->menu().WizButton->trigger();
        form->timers().TimerWiz.stop();
        sim->setLiveFrame(hex("33a07b6e0007401a00")); // 0x33 = 1.00 V; the sum of bytes 0 to 6 is 0x03
        const QString before = control<QLabel>(page(), "Panel6")->text();
        form->livePolls().TimerWizTimer();
        QCOMPARE(control<QLabel>(page(), "Panel6")->text(), before);
        sim->setLiveFrame(hex("33a07b6e0007400300"));
        form->livePolls().TimerWizTimer();
        QCOMPARE(control<QLabel>(page(), "Panel6")->text(), QStringLiteral("1.00"));
    }

    void probeVariantTwoSetsUpTheBar()
    {
        sim->setParameterBlock(blockBytes({{31, 0}, {8, sim.startBlock()[8] | 0x02}}, sim.startBlock()));
        form->menu().WizButton->trigger();
        QCOMPARE(control<TLEDMeter>(page(), "LEDMeter1")->max(), 290);
        QCOMPARE(control<TLEDMeter>(page(), "LEDMeter1")->colorLed1(), QColor(0xFF, 0, 0));
        QVERIFY2(control<QLabel>(page(), "Label30")->y() < control<QLabel>(page(), "Label71")->y(), "Bogata stands at the top");
        QCOMPARE(control<QLabel>(page(), "WykresLambdaY5")->text(), QStringLiteral("5,0"));
    }

    void liveStripPollsAndPausesForTheButtons()
    {
        sim->car().setEngineRunning(true);
        sim->car().setTargetRpm(2000, 0.1);
        form->menu().ParButton->trigger();
        clearWire();
        pollUntil(5);
        QVERIFY(qAbs(onParameters<QLabel>("ZmiennaObroty")->text().toInt() - 2000) <= 100);
        QVERIFY(!onParameters<QLabel>("ZmiennaLambda")->text().isEmpty());

        // A read and a write run alone: no poll slips in between their bytes.
        clearWire();
        form->navigator().odczButPicClick();
        QCOMPARE(sent(), hex("01 01 aa 22 0a 09"));
        clearWire();
        form->navigator().ZapButPicClick();
        QVERIFY(sent().startsWith(hex("aa 1e")));
        QVERIFY(sent().endsWith(hex("aa 23 01 0a")));
        QVERIFY2(wire::fromController(sim.wireLog()).isEmpty(), "no live frame came back during the write");
        QVERIFY(form->timers().TimerParamOdcz.isActive());
    }
};

QTEST_MAIN(TestAppLive)
#include "tst_app_live.moc"
