#pragma once

#include "AdaptationPage.h"
#include "Controls.h"
#include "DialogRecorder.h"
#include "ParametersPage.h"
#include "TForm1.h"
#include "TestSettings.h"
#include "VirtualCar.h"
#include "WireLog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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
    // The same with the car as it was made, the wire clear after start-up.
    bool startWindowOnTheUsualCar()
    {
        sim.restoreDefaults();
        const bool started = startWindow();
        clearWire();
        return started;
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
    // Runs the clock until the timer has fired that many times more.
    void waitTicks(qx::PollTimer &timer, int ticks)
    {
        QSignalSpy fired(&timer, &qx::PollTimer::timeout);
        QVERIFY(waitFor([&] { return fired.count() >= ticks; }));
    }

    // Controls by object name: the Parameters page's, its text fields, the
    // Adaptation page's and its buttons; and that page's step.
    template <class T>
    T *onParameters(const char *name) const
    {
        return control<T>(form->pages().ParametryTab, name);
    }
    QLineEdit *field(const char *name) const { return onParameters<QLineEdit>(name); }
    template <class T>
    T *onAdaptation(const char *name) const
    {
        return control<T>(form->pages().AutoadaptacjaTab, name);
    }
    QPushButton *button(const char *name) const { return onAdaptation<QPushButton>(name); }
    int step() const { return form->pages().AutoadaptacjaTab->currentStep(); }
    // Into the adaptation and on to a step, as the steps' Next buttons would take the fitter there.
    void goToStep(int step)
    {
        form->menu().AutoButton->trigger();
        for (int s = 1; s < step; ++s)
            emit form->pages().AutoadaptacjaTab->nextClicked(s);
    }
    // A key pressed where the focus is, or on the window when nothing has it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

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
