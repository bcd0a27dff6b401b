// The window against the simulator on a pseudo-terminal in real time, once
// per area: the port, its driver and the program's own pauses together. The
// window tests prove the rest on the virtual clock.
#include "AdaptationPage.h"
#include "Controls.h"
#include "HangLimit.h"
#include "MainMenu.h"
#include "ParametersPage.h"
#include "TestBytes.h"
#include "VisualisationPage.h"
#include "WindowOnPty.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TestAppSmoke : public QObject, protected WindowOnPty
{
    Q_OBJECT

    QLineEdit *field(const char *name) const { return control<QLineEdit>(form->pages().ParametryTab, name); }

private slots:
    void initTestCase() { QVERIFY2(startSimulator(), qPrintable(sim.errorString())); }

    void init()
    {
        sim.restoreDefaults();
        QVERIFY(startWindow());
    }
    void cleanup() { closeWindow(); }

    void startUpFindsTheController()
    {
        QVERIFY(form->channel().isOpen());
        QVERIFY(form->windowTitle().contains(QStringLiteral("Quorvantix")));
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void readFillsTheParametersPage()
    {
        clearWire();
        form->menu().ParButton->trigger();
        QCOMPARE(field("Edit3")->text(), QStringLiteral("2000"));
        // Each byte waits its pause; none comes sooner over a real port.
        for (double gap : sentBytes.gapsMs())
            QVERIFY2(gap >= 3, qPrintable(QString::number(gap)));
    }

    void writeReachesTheController()
    {
        form->menu().ParButton->trigger();
        field("Edit3")->setText("2500");
        clearWire();
        form->navigator().ZapButPicClick();
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        QCOMPARE(sim->parameterBlock().mid(6, 2), hex("0006"));
    }

    void adaptationEntryPolls()
    {
        QSignalSpy ticks(&form->timers().TimerAdaptTerm, &qx::PollTimer::timeout);
        form->menu().AutoButton->trigger();
        QCOMPARE(form->pages().AutoadaptacjaTab->currentStep(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 10000);
    }

    void livePageShowsValues()
    {
        sim->car().setEngineRunning(true);
        sim->car().setTargetRpm(2000, 0.1);
        form->menu().WizButton->trigger();
        auto *speed = control<QLabel>(form->pages().WizualizacjaTab, "Panel1");
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(speed->text().toInt() - 2000) <= 150, 10000);
    }
};

QTEST_MAIN(TestAppSmoke)
#include "tst_app_smoke.moc"
