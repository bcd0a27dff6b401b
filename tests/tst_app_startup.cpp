// The main window against the simulator: the start-up exchanges, the RPM
// page's polling and conversions, re-identification and exit.
#include "LiveFrames.h"
#include "MainMenu.h"
#include "PageControl.h"
#include "PrintingPage.h"
#include "RpmPage.h"
#include "tab270meter.h"
#include "TestBytes.h"
#include "VisualisationPage.h"
#include "ProgramVersion.h"
#include "WindowOnSimulator.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

namespace {

// A live frame with the given speed period and an open stepper.
QByteArray frameWithPeriod(int period)
{
    return liveFrame(0x30, 0xa0, 0x78, period, 0x50);
}

} // namespace

class TestAppStartup : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QList<qx::PollTimer *> allTimers() const
    {
        qx::WindowTimers &t = form->timers();
        return {&t.TimerObr,     &t.TimerWiz, &t.TimerAdaptTerm, &t.TimerUstTpsProg, &t.TimerKalibSonda,
                &t.TimerPrzedRed, &t.TimerRR,  &t.TimerMinMax1,   &t.TimerMinMax2,    &t.TimerParamOdcz};
    }

private slots:
    void init()
    {
        sim.restoreDefaults();
        sim->setLiveFrame(frameWithPeriod(1920));
        makeWindow();
        clearWire();
    }

    void cleanup() { closeWindow(); }

    void startupSequence_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QByteArray>("expectedBytes");
        QTest::addColumn<QList<double>>("gapsMs");
        QTest::addColumn<QString>("caption");
        // Gaps between the bytes as they leave, exact on the clock: each
        // request's own pause and wait, then the next exchange's opening.
        QTest::newRow("version 3") << 3 << false << hex("01 01 01 09") << QList<double>{403, 203, 23} << "Sterownik 3";
        QTest::newRow("version 5") << 5 << false << hex("01 01 01 09") << QList<double>{403, 203, 23} << "Sterownik 5";
        QTest::newRow("version 8") << 8 << false << hex("01 01 aa 22 0a 01 09")
                                   << QList<double>{403, 203, 53, 53, 3, 23} << "Sterownik 8";
        QTest::newRow("no controller") << 8 << true << hex("01 01 01 09") << QList<double>{403, 203, 23}
                                       << "Brak sterownika";
    }
    void startupSequence()
    {
        QFETCH(int, version);
        QFETCH(bool, silent);
        QFETCH(QString, caption);
        sim->setVersion(version);
        if (silent)
            sim.setFault(qxsim::Fault::Silence);

        form->FormCreate();

        QTEST(sent(), "expectedBytes");
        QTEST(sentGapsMs(), "gapsMs");
        QCOMPARE(form->windowTitle(), "Quorvantix wersja 4.3 (Build " + qx::ProgramBuildText() + " - " + caption);
        QVERIFY(form->channel().isOpen());
        QVERIFY(form->timers().TimerObr.isActive());
        QCOMPARE(control<QGroupBox>(form->pages().ObrotyTab, "GroupBoxAnalog")->isHidden(), version < 8 || silent);
        QVERIFY(!form->pages().pagecontrol1->isTabVisible(form->pages().pagecontrol1->indexOf(form->pages().DrukowanieTab)));
        QCOMPARE(dialogs->entries.size(), 0);
        for (qx::PollTimer *timer : allTimers())
            QCOMPARE(timer->isActive(), timer == &form->timers().TimerObr);
    }

    void pollsEveryTenthOfASecond()
    {
        form->FormCreate();
        clearWire();
        // One request a tick, never two; the rate itself is a benchmark figure.
        QVERIFY(waitFor([&] { return sentEvents().size() >= 5; }, 10000));
        const auto events = sentEvents();
        QCOMPARE(wire::bytes(events), QByteArray(events.size(), '\x02'));
        for (double gap : sentGapsMs())
            QVERIFY2(gap >= 50, qPrintable(QString("%1 ms between polls").arg(gap)));
    }

    void engineSpeed_data()
    {
        QTest::addColumn<int>("ignitionIndex");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("meter");
        QTest::addColumn<QString>("panel");
        QTest::newRow("coil per cylinder, 3000") << 0 << 5120 << 3000 << "3000";
        QTest::newRow("2975 rounds up to 3000") << 0 << 5163 << 2975 << "3000";
        QTest::newRow("2925 rounds to even 2900") << 0 << 5251 << 2925 << "2900";
        QTest::newRow("exactly 300") << 2 << 12800 << 300 << "300";
        QTest::newRow("299 counts as standing") << 2 << 12843 << 0 << "0";
        QTest::newRow("8 cylinders") << 5 << 960 << 2000 << "2000";
    }
    void engineSpeed()
    {
        QFETCH(int, ignitionIndex);
        QFETCH(int, period);
        sim->setLiveFrame(frameWithPeriod(period));
        form->FormCreate();
        form->timers().TimerObr.stop();
        control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")->setCurrentIndex(ignitionIndex);
        control<TAb270Meter>(form->pages().ObrotyTab, "gauge1")->setDigit(1234);
        for (int i = 0; i < 6; ++i)
            emit form->timers().TimerObr.timeout();
        QTEST(control<TAb270Meter>(form->pages().ObrotyTab, "gauge1")->digit(), "meter");
        QTEST(control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->text(), "panel");
    }

    void standingPeriodChangesNothing()
    {
        sim->setLiveFrame(frameWithPeriod(0));
        form->FormCreate();
        form->timers().TimerObr.stop();
        control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->setText(QStringLiteral("1500"));
        emit form->timers().TimerObr.timeout();
        QCOMPARE(control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->text(), QStringLiteral("1500"));
    }

    void ignitionChangeActsAtTheNextPollAlone()
    {
        form->FormCreate();
        form->timers().TimerObr.stop();
        for (int i = 0; i < 6; ++i)
            emit form->timers().TimerObr.timeout();
        QCOMPARE(control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->text(), QStringLiteral("2000")); // 4 cylinders, period 1920
        clearWire();
        control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")->setCurrentIndex(5);
        QVERIFY(sent().isEmpty());
        emit form->timers().TimerObr.timeout();
        QCOMPARE(sent(), hex("02"));
        QCOMPARE(control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->text(), QStringLiteral("1000"));
    }

    void averagingStartsAfterFivePolls()
    {
        form->FormCreate();
        form->timers().TimerObr.stop();
        const int periods[] = {1920, 1920, 1920, 1920, 3840, 3840};
        const char *shown[] = {"2000", "2000", "2000", "2000", "1000", "2000"};
        for (int i = 0; i < 6; ++i) {
            sim->setLiveFrame(frameWithPeriod(periods[i]));
            emit form->timers().TimerObr.timeout();
            QCOMPARE(control<QLabel>(form->pages().ObrotyTab, "Panelobroty")->text(), QString(shown[i]));
        }
    }

    void reidentification()
    {
        form->FormCreate();
        sim->setAnalogThreshold(90);
        sim->setParameterBlock(blockBytes({{32, 0}}, sim.startBlock())); // coil per cylinder
        clearWire();
        form->navigator().OdczytUkladuButtClick();
        QCOMPARE(sent(), hex("01 aa 22 0a 01 01 09"));
        QCOMPARE(control<QComboBox>(form->pages().ObrotyTab, "Edit23")->currentText(), QStringLiteral("90"));
        QCOMPARE(control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")->currentIndex(), 0);
        QCOMPARE(form->protocol().state().RpmConstant, 19200);
        QVERIFY(form->timers().TimerObr.isActive());
        QVERIFY(form->channel().isOpen());
    }

    void portMenuChoiceWaitsForTheNextOpen()
    {
        form->FormCreate();
        form->menu().PCOM[4]->trigger();
        QCOMPARE(form->protocol().portName(), QStringLiteral("com5"));
        QVERIFY(form->menu().PCOM[4]->isChecked());
        QVERIFY(!form->menu().PCOM[0]->isChecked());
        clearWire();
        // Still polling com1.
        QVERIFY(waitFor([&] { return sent().contains('\x02'); }, 5000));
    }

    void controllerVersionCommandOnlyOnTheParametersPage()
    {
        form->FormCreate();
        form->timers().TimerObr.stop();
        clearWire();
        form->menu().wersjasterownika1->trigger();
        QVERIFY(sent().isEmpty());
        form->pages().pagecontrol1->setCurrentWidget(form->pages().ParametryTab);
        form->channel().ClosePort();
        form->menu().wersjasterownika1->trigger();
        QCOMPARE(sent(), hex("01"));
        QVERIFY(!form->channel().isOpen());
    }

    void exitQuestion()
    {
        form->FormCreate();
        dialogs->answer = false;
        form->KoniecButtonClick();
        QCOMPARE(dialogs->entries.size(), 1);
        QCOMPARE(dialogs->entries.first().text, QStringLiteral("Czy zakończyć program ?"));
        QCOMPARE(dialogs->entries.first().icon, qx::DialogIcon::Question);
        QVERIFY(form->timers().TimerObr.isActive());

        form->show();
        dialogs->answer = true;
        form->KoniecButtonClick();
        for (qx::PollTimer *timer : allTimers())
            QVERIFY(!timer->isActive());
        QVERIFY(!form->isVisible());
    }

    void focusDecidesWhereAutodetectionIsOffered()
    {
        form->FormCreate();
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        CLOCK_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")), 5000);
        QVERIFY(form->menu().AutodetekcjaMenu->isVisible());

        form->pages().pagecontrol1->setCurrentWidget(form->pages().ParametryTab);
        field("Edit3")->setFocus();
        CLOCK_VERIFY(!form->menu().AutodetekcjaMenu->isVisible(), 5000);
        form->pages().pagecontrol1->setCurrentWidget(form->pages().ObrotyTab);
        control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")->setFocus();
        CLOCK_VERIFY(form->menu().AutodetekcjaMenu->isVisible(), 5000);
    }

    void stopAllTimersStopsEveryOne()
    {
        for (qx::PollTimer *timer : allTimers())
            timer->start();
        form->timers().stopAll();
        for (qx::PollTimer *timer : allTimers())
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        const QList<int> intervals = {100, 50, 100, 100, 100, 100, 100, 100, 100, 200};
        for (int i = 0; i < intervals.size(); ++i)
            QCOMPARE(allTimers()[i]->interval(), intervals[i]);
    }
};

QTEST_MAIN(TestAppStartup)
#include "tst_app_startup.moc"
