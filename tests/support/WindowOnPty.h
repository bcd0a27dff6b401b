#pragma once

#include "CountingPortIo.h"
#include "DialogRecorder.h"
#include "InStepPortIo.h"
#include "PortIoUnderTest.h"
#include "TForm1.h"
#include "TestController.h"
#include "TestSettings.h"
#include "WireLog.h"

#include <QTest>

#include <memory>

// The program's main window against the simulator on a pseudo-terminal, in
// real time: the smoke runs of the port itself. A test class derives from it.
class WindowOnPty
{
protected:
    bool startSimulator() { return sim.startOn(QStringLiteral("com1")); }

    // A fresh window, not started yet, with every message box recorded.
    void makeWindow()
    {
        dialogs = std::make_unique<DialogRecorder>();
        // Replies are waited for by the simulator's progress, not the machine's speed.
        form = std::make_unique<qx::TForm1>(sentBytes.count(std::make_unique<InStepPortIo>(portIoUnderTest(), sim)),
                                            linkedPortsOnly());
    }
    // A fresh window through its start-up and shown, as the fitter first sees it.
    bool startWindow()
    {
        makeWindow();
        form->FormCreate();
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }
    // The window's polling timers now running.
    QList<qx::PollTimer *> runningTimers() const { return form->timers().running(); }
    // The adaptation steps poll at the pace of their exchanges rather than
    // every 100 ms, for tests about what the steps find, not their rate.
    void hurryAdaptationSteps()
    {
        qx::WindowTimers &t = form->timers();
        for (qx::PollTimer *timer : {&t.TimerAdaptTerm, &t.TimerUstTpsProg, &t.TimerKalibSonda, &t.TimerPrzedRed,
                                     &t.TimerRR, &t.TimerMinMax1, &t.TimerMinMax2})
            timer->setInterval(0);
    }
    void closeWindow()
    {
        form.reset();
        dialogs.reset();
    }

    void clearWire()
    {
        sim.clearWireLog();
        sentBytes.restart();
    }
    // What the program sent since the last clear, once the simulator has it all.
    QVector<qxsim::WireEvent> sentEvents() const
    {
        sim.waitForWireBytes(sentBytes.sinceRestart(), 5000);
        return wire::fromProgram(sim.wireLog());
    }
    QByteArray sent() const { return wire::bytes(sentEvents()); }
    // Waits until the program has sent at least count bytes since the clear.
    void waitForSent(int count) { QTRY_VERIFY_WITH_TIMEOUT(sentBytes.sinceRestart() >= count, 10000); }

    TestSettings settings;
    TestController sim;
    SentBytes sentBytes;
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<qx::TForm1> form;
};
