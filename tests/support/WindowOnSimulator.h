#pragma once

#include "DialogRecorder.h"
#include "TForm1.h"
#include "TestSettings.h"
#include "VirtualCar.h"
#include "WireLog.h"

#include <QTest>

#include <memory>

// The program's main window against the simulated controller on com1, on a
// virtual clock: the real window and navigator code, the exchanges with their
// exact bytes and gaps, and no real waiting. A test class derives from it.
class WindowOnSimulator
{
protected:
    // A fresh window, not started yet, with every message box recorded.
    void makeWindow()
    {
        dialogs = std::make_unique<DialogRecorder>();
        form = std::make_unique<qx::TForm1>(sim.port(), sim.ports());
    }
    // A fresh window through its start-up and shown, as the fitter first sees it.
    bool startWindow()
    {
        makeWindow();
        form->FormCreate();
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }
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

    // Runs the clock, the window's timers firing, until the condition holds
    // or the clock has run timeoutMs.
    [[nodiscard]] bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
    {
        return sim.runUntil(condition, timeoutMs);
    }
    void clearWire() { sim.clearWireLog(); }
    QVector<qxsim::WireEvent> sentEvents() const { return wire::fromProgram(sim.wireLog()); }
    QByteArray sent() const { return wire::bytes(sentEvents()); }
    // Milliseconds between the program's bytes since the last clear, on the clock.
    QVector<double> sentGapsMs() const
    {
        const QVector<qxsim::WireEvent> events = sentEvents();
        QVector<double> gaps;
        for (int i = 1; i < events.size(); ++i)
            gaps << (events[i].micros - events[i - 1].micros) / 1000.0;
        return gaps;
    }
    // Runs the clock until the program has sent at least count bytes since the clear.
    void waitForSent(int count) { QVERIFY(waitFor([&] { return sent().size() >= count; })); }

    TestSettings settings;
    VirtualCar sim;
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<qx::TForm1> form;
};

// A condition or comparison awaited on the window's clock, as QTRY_* await it
// in real time.
#define CLOCK_VERIFY(expr, timeoutMs)                                                                                  \
    do {                                                                                                               \
        (void)waitFor([&] { return bool(expr); }, timeoutMs);                                                          \
        QVERIFY(expr);                                                                                                 \
    } while (false)
#define CLOCK_COMPARE(expr, expected, timeoutMs)                                                                       \
    do {                                                                                                               \
        (void)waitFor([&] { return (expr) == (expected); }, timeoutMs);                                                \
        QCOMPARE(expr, expected);                                                                                      \
    } while (false)
