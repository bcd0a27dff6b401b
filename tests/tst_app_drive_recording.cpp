// Drive recording on the Visualisation page against the simulator: a
// recorded drive replayed by the simulator reaches the program frame for
// frame, the recording ends properly with the polling that feeds it, and a
// full disk ends the recording, never the polling.
#include "DriveRecorder.h"
#include "LiveFrames.h"
#include "LivePolls.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

// Frames all different, each with its checksum, so the order shows.
QVector<QByteArray> distinctFrames(int count)
{
    QVector<QByteArray> frames;
    for (int i = 0; i < count; ++i)
        frames << liveFrame(10 + i * 4, 20 + i, 120, 768 + i * 7, 250 - i * 2);
    return frames;
}

// The controller's bytes in the wire log, cut into live frames.
QVector<QByteArray> framesFromController(const QVector<qxsim::WireEvent> &events)
{
    const QByteArray bytes = wire::bytes(wire::fromController(events));
    QVector<QByteArray> frames;
    for (int at = 0; at + 9 <= bytes.size(); at += 9)
        frames << bytes.mid(at, 9);
    return frames;
}

} // namespace

class TestAppDriveRecording : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    qx::VisualisationPage *page() const { return form->pages().WizualizacjaTab; }
    qx::DriveRecorder &recorder() const { return form->livePolls().recorder(); }
    QToolButton *recordButton() const { return control<QToolButton>(page(), "NagrywanieButton"); }
    QLabel *indicator() const { return control<QLabel>(page(), "NagrywanieLabel"); }
    QString statusText() const { return control<QLabel>(form.get(), "StatusBar1Panel1")->text(); }

    // Records the polls of the Visualisation page for about a second and a half.
    std::optional<qxrec::DriveRecording> recordADrive()
    {
        form->menu().WizButton->trigger();
        clearWire();  // the page's entry, before the recording
        recordButton()->click();
        if (!recorder().isRecording() || !waitFor([&] { return recorder().elapsedMs() >= 1500; }, 20000))
            return std::nullopt;
        // The shortcut presses the button as a click would be seen, a moment
        // later in real time; the car's clock stands still meanwhile.
        QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
        if (!QTest::qWaitFor([&] { return !recorder().isRecording(); }, 5000))
            return std::nullopt;
        QString message;
        auto recording = qxrec::DriveRecording::load(recorder().fileName(), &message);
        if (!recording)
            qWarning("%s", qPrintable(message));
        return recording;
    }

private slots:
    void init() { QVERIFY(startWindowOnTheUsualCar()); }

    void cleanup() { closeWindow(); }

    void replayGivesTheProgramTheRecordedFrames()
    {
        const QVector<QByteArray> drive = distinctFrames(60);
        sim->setLiveFrames(drive);
        const auto recording = recordADrive();
        QVERIFY(recording);
        QVERIFY(recorder().fileName().startsWith(qx::DriveRecorder::defaultFolder() + QLatin1Char('/')));
        QCOMPARE(recording->header.controllerVersion, 8);
        QVERIFY2(recording->polls.size() >= 10, qPrintable(QString::number(recording->polls.size())));
        // The recording holds the frames as the controller sent them, in turn.
        const int first = int(drive.indexOf(recording->polls.constFirst().frame));
        QVERIFY(first >= 0);
        for (int i = 0; i < recording->polls.size(); ++i)
            QCOMPARE(recording->polls.at(i).frame, drive.at((first + i) % drive.size()));
        // Recording sent nothing of its own: every byte was a live request.
        QCOMPARE(wire::liveRequests(sim.wireLog()), sentEvents().size());

        form->timers().TimerWiz.stop();
        sim->setReplay(*recording, false);
        clearWire();
        const QByteArray last = recording->polls.constLast().frame;
        form->timers().TimerWiz.start();
        CLOCK_VERIFY(framesFromController(sim.wireLog()).contains(last), 30000);
        form->timers().TimerWiz.stop();

        // What reached the program, each frame once (a poll may come before
        // the next frame is due), is the whole recording in its order: on the
        // clock no poll comes late and passes a frame over.
        QVector<QByteArray> received;
        for (const QByteArray &frame : framesFromController(sim.wireLog()))
            if (received.isEmpty() || received.constLast() != frame)
                received << frame;
        QVector<QByteArray> recorded;
        for (const qxrec::RecordedPoll &poll : recording->polls)
            recorded << poll.frame;
        QCOMPARE(received, recorded);
    }

    void indicatorAndTheEndsOfARecording()
    {
        form->menu().WizButton->trigger();
        QVERIFY(indicator()->isHidden());
        recordButton()->click();
        QVERIFY(recorder().isRecording());
        QVERIFY(recordButton()->isChecked());
        QVERIFY(!indicator()->isHidden());
        CLOCK_COMPARE(indicator()->text(), QStringLiteral("● REC\n00:01"), 20000);
        QVERIFY(statusText().contains(recorder().fileName()));

        // Leaving the page ends the recording with everything written.
        const QString path = recorder().fileName();
        form->menu().ParButton->trigger();
        QVERIFY(!recorder().isRecording());
        QVERIFY(indicator()->isHidden());
        QString message;
        const auto left = qxrec::DriveRecording::load(path, &message);
        QVERIFY2(left, qPrintable(message));
        QVERIFY(left->polls.size() >= 2);

        // So does closing the window.
        form->menu().WizButton->trigger();
        recordButton()->click();
        const QString second = recorder().fileName();
        QVERIFY(second != path);
        CLOCK_VERIFY(recorder().elapsedMs() >= 200, 20000);
        form->close();
        const auto closed = qxrec::DriveRecording::load(second, &message);
        QVERIFY2(closed, qPrintable(message));
        QVERIFY(!closed->polls.isEmpty());
    }

    void fullDiskEndsTheRecordingNotThePolling()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        form->menu().WizButton->trigger();
        recorder().setNextPath(QStringLiteral("/dev/full"));
        recordButton()->click();
        QVERIFY(recorder().isRecording());
        CLOCK_VERIFY(!recorder().isRecording(), 20000);
        QVERIFY(!recordButton()->isChecked());
        QVERIFY(indicator()->isHidden());
        QVERIFY2(statusText().startsWith(QStringLiteral("Nagrywanie przerwane: ")), qPrintable(statusText()));
        QVERIFY(form->timers().TimerWiz.isActive());
        clearWire();
        CLOCK_VERIFY(sent().size() >= 5, 20000);
    }
};

QTEST_MAIN(TestAppDriveRecording)
#include "tst_app_drive_recording.moc"
