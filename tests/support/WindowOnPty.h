#pragma once

#include "CountingPortIo.h"
#include "DialogRecorder.h"
#include "InStepPortIo.h"
#include "PortIoUnderTest.h"
#include "TForm1.h"
#include "TestController.h"
#include "TestSettings.h"

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

    TestSettings settings;
    TestController sim;
    SentBytes sentBytes;
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<qx::TForm1> form;
};
