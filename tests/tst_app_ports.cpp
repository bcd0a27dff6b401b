// Autodetection over several simulated ports.
#include "BuiltInTexts.h"
#include "DialogRecorder.h"
#include "MainMenu.h"
#include "PortIoUnderTest.h"
#include "Simulator.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "TForm1.h"
#include "VisualisationPage.h"
#include "TestSettings.h"
#include "WireLog.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

class TestAppPorts : public QObject
{
    Q_OBJECT

    TestSettings settings;
    qxsim::Simulator sims[4];
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<qx::TForm1> form;

    void startPorts(int count, int answering)
    {
        for (int i = 0; i < 4; ++i) {
            sims[i].stop();
            if (i < count) {
                QVERIFY(sims[i].start(QStringLiteral("com%1").arg(i + 1)));
                sims[i].setFault(i + 1 == answering ? qxsim::Fault::None : qxsim::Fault::Silence);
            }
        }
    }

private slots:
    void init()
    {
        dialogs = std::make_unique<DialogRecorder>();
        form = std::make_unique<qx::TForm1>(portIoUnderTest(), linkedPortsOnly());
        qx::SetBuiltInTexts(form->texts());
    }

    void cleanup()
    {
        form.reset();
        dialogs.reset();
        for (auto &sim : sims)
            sim.stop();
    }

    void controllerOnTheThirdPort()
    {
        startPorts(4, 3);
        form->menu().AutodetekcjaMenu->trigger();
        QCOMPARE(form->protocol().portName(), QStringLiteral("com3"));
        QVERIFY(form->menu().PCOM[2]->isChecked());
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Sterownik znaleziono na com3"));
        QCOMPARE(wire::bytes(wire::fromProgram(sims[0].wireLog())), QByteArray("\x01"));
        QCOMPARE(wire::bytes(wire::fromProgram(sims[1].wireLog())), QByteArray("\x01"));
        QVERIFY(sims[3].wireLog().isEmpty());
        // On the RPM page the controller is identified on the new port and polled.
        QVERIFY(form->timers().TimerObr.isActive());
        QCOMPARE(form->protocol().state().ControllerVersion, 8);
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void noControllerOnTwoPorts()
    {
        startPorts(2, 0);
        form->pages().pagecontrol1->setCurrentWidget(form->pages().ParametryTab);
        form->menu().AutodetekcjaMenu->trigger();
        QCOMPARE(form->protocol().portName(), QStringLiteral("com2"));
        QVERIFY(form->menu().PCOM[1]->isChecked());
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Brak sterownika"));
        QVERIFY(!form->channel().isOpen());
        QVERIFY(!form->timers().TimerObr.isActive());
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void noPortAtAllKeepsTheSetting()
    {
        startPorts(0, 0);
        form->pages().pagecontrol1->setCurrentWidget(form->pages().ParametryTab);
        form->menu().AutodetekcjaMenu->trigger();
        QCOMPARE(form->protocol().portName(), QStringLiteral("com1"));
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Brak sterownika"));
    }
};

QTEST_MAIN(TestAppPorts)
#include "tst_app_ports.moc"
