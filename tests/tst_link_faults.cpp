// Bad lines and bad controllers: none of them may crash or hang the program,
// and each shows the user what happened.
#include "Controls.h"
#include "AppSettings.h"
#include "BuiltInTexts.h"
#include "DialogRecorder.h"
#include "HangLimit.h"
#include "InStepPortIo.h"
#include "PortIoUnderTest.h"
#include "PosixSerialPortIo.h"
#include "SimPtyPort.h"
#include "TestController.h"
#include "TForm1.h"
#include "VisualisationPage.h"
#include "TestSettings.h"
#include "WireLog.h"

#include <QLabel>
#include <QtTest>

namespace {
// The built-in wording, which polish.lng repeats.
const QString NoReply = QStringLiteral("Brak łączności");
const QString PortError =
    QStringLiteral("Nie można otworzyć portu. Wybierz inny port w menu lub zamknij program, który go używa.");
const QByteArray Frame = QByteArray::fromHex("30a0786e40140c0a00");
} // namespace

class TestLinkFaults : public QObject
{
    Q_OBJECT

    TestSettings settings;
    TestController sim;
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<qx::TForm1> form;
    InStepPortIo *port = nullptr;
    QLabel *transmissionLabel = nullptr;

    qx::ControllerProtocol &protocol() { return form->protocol(); }
    qx::SerialChannel &channel() { return form->channel(); }

    QByteArray decoded(int n) const
    {
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out.append(char(form->channel().reply().ReplyByte(i)));
        return out;
    }

    // Runs an exchange and checks it does not hang past its prescribed time,
    // leaving out what the test spent letting a late simulator catch up.
    template <typename F>
    void bounded(double nominalMs, F exchange)
    {
        const qint64 caughtUpBefore = port->catchUpNs();
        QElapsedTimer timer;
        timer.start();
        exchange();
        const double ms = (timer.nsecsElapsed() - (port->catchUpNs() - caughtUpBefore)) / 1e6;
        QVERIFY2(ms <= nominalMs + HangLimitMs, qPrintable(QString("took %1 ms, nominal %2 ms").arg(ms).arg(nominalMs)));
    }

private slots:
    void initTestCase() { QVERIFY2(sim.startOn(QStringLiteral("com1")), qPrintable(sim.errorString())); }

    void init()
    {
        sim.restoreDefaults();
        sim->setLiveFrame(Frame);
        dialogs = std::make_unique<DialogRecorder>();
        auto inStep = std::make_unique<InStepPortIo>(portIoUnderTest(), sim);
        port = inStep.get();
        form = std::make_unique<qx::TForm1>(std::move(inStep), linkedPortsOnly());
        // Tests without start-up still see the built-in texts.
        qx::SetBuiltInTexts(form->texts());
        transmissionLabel = control<QLabel>(form->pages().WizualizacjaTab, "TranserrorLabel");
    }

    void cleanup()
    {
        form.reset();
        dialogs.reset();
        QFile::remove(qx::appSettingsLocation());
    }

    void missingPortShowsTheErrorAtEveryOpen()
    {
        // The settings choose the port start-up opens.
        qx::AppSettings stored;
        stored.port = 5;
        QVERIFY(qx::writeAppSettings(stored));
        bounded(850, [&] { form->FormCreate(); });
        QCOMPARE(protocol().portName(), QStringLiteral("com5"));
        // Options query, analog check, caption, ignition type, and the port left open.
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 5);
        QCOMPARE(dialogs->entries.first().text, PortError);
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - Brak sterownika")));
        QCOMPARE(form->statusPanelText(0), NoReply);
        QVERIFY(!channel().isOpen());
    }

    void busyPortCannotBeOpenedUntilReleased()
    {
        sim.setFault(qxsim::Fault::PortBusy);
        QVERIFY(!channel().OpenPort(protocol().portName()));
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 1);
        sim.setFault(qxsim::Fault::None);
        QVERIFY(channel().OpenPort(protocol().portName()));
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 1);
    }

    void portHeldByAnotherProcess()
    {
        // A second simulator, in its own process, publishes com2 and holds it.
        QProcess holder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        holder.setProcessEnvironment(env);
        holder.start(QStringLiteral(QX_SIMULATOR), {"--port", "com2", "--fault", "busy", "--no-window"});
        QVERIFY(holder.waitForStarted());
        const QString link = settings.path() + QStringLiteral("/Quorvantix/ports/com2");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).isSymLink(), 5000);
        // The hold follows the link; an open before it would keep it from being taken.
        QTRY_VERIFY_WITH_TIMEOUT(qx::lockedByAnotherProgram(QFileInfo(link).canonicalFilePath()), 5000);
        QVERIFY(!channel().OpenPortQuiet(QStringLiteral("com2")));
        QVERIFY(!channel().OpenPort(QStringLiteral("com2")));
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 1);
        holder.terminate();
        QVERIFY(holder.waitForFinished());
    }

    void portIsOpenedExclusively()
    {
        QVERIFY(channel().OpenPort(protocol().portName()));
        qx::SerialChannel other(portIoUnderTest(), linkedPortsOnly(), nullptr);
        QVERIFY(!other.OpenPortQuiet(protocol().portName()));
        channel().ClosePort();
        QVERIFY(other.OpenPortQuiet(protocol().portName()));
    }

    void silenceShowsNoReplyThenTheTransmissionError()
    {
        protocol().state().ControllerVersion = 8;
        QVERIFY(channel().OpenPort(protocol().portName()));
        QVERIFY(protocol().RequestLiveData().accepted);
        QCOMPARE(transmissionLabel->text(), QString());
        sim.setFault(qxsim::Fault::Silence);
        for (int i = 1; i <= 20; ++i)
            bounded(23, [&] { QVERIFY(protocol().RequestLiveData().accepted); });
        QCOMPARE(form->statusPanelText(0), NoReply);
        QCOMPARE(transmissionLabel->text(), QString());
        QCOMPARE(decoded(9), Frame); // the stale frame stays
        protocol().RequestLiveData();
        QCOMPARE(transmissionLabel->text(), NoReply);

        sim.setFault(qxsim::Fault::None);
        QVERIFY(protocol().RequestLiveData().accepted);
        QCOMPARE(transmissionLabel->text(), QString());
        QCOMPARE(form->statusPanelText(0), QString());
    }

    void garbageIsDecodedWithoutHarm()
    {
        sim.setFault(qxsim::Fault::Garbage);
        bounded(850, [&] { form->FormCreate(); });
        QVERIFY(form->windowTitle().startsWith(QStringLiteral("Quorvantix wersja 4.3 (Build ")));
        QCOMPARE(dialogs->entries.size(), 0);
        QVERIFY(channel().isOpen());
    }

    // A block cut short is no block: neither its bytes nor the older reply's
    // behind them are taken.
    void shortBlockIsNoBlock()
    {
        sim.setFault(qxsim::Fault::ShortReply, 10);
        channel().reply().store(QByteArray(37, char(0xEE)));
        protocol().state().ControllerFlags = 0x5A;
        protocol().state().IgnitionTypeCode = 2;
        std::optional<int> code;
        bounded(103, [&] { code = protocol().QueryIgnitionType(); });
        QVERIFY(!code);
        QCOMPARE(protocol().state().ControllerFlags, quint8(0x5A));
        QCOMPARE(protocol().state().IgnitionTypeCode, 2);
        QVERIFY(!protocol().state().known.knows(qx::Sendable::Flags));
    }

    void longReplyIsTakenWhole()
    {
        sim.setFault(qxsim::Fault::LongReply, 4);
        protocol().state().ControllerVersion = 8;
        QVERIFY(channel().OpenPort(protocol().portName()));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(protocol().RequestLiveData().accepted);
            QCOMPARE(decoded(9), Frame);
        }
    }

    void burstBacklogDrainsAfterTheFault()
    {
        sim.setFault(qxsim::Fault::Burst, 300);
        protocol().state().ControllerVersion = 8;
        QVERIFY(channel().OpenPort(protocol().portName()));
        for (int i = 0; i < 3; ++i)
            bounded(23, [&] { protocol().RequestLiveData(); });
        sim.setFault(qxsim::Fault::None);
        // 132 bytes were left over; each read takes 256 and the reply adds 9.
        int polls = 0;
        do {
            QVERIFY(protocol().RequestLiveData().accepted);
        } while (decoded(9) != Frame && ++polls < 10);
        QCOMPARE(decoded(9), Frame);
    }

    void wrongChecksumFailsTheLiveRequest()
    {
        sim->setVersion(5);
        protocol().state().ControllerVersion = 5;
        QVERIFY(channel().OpenPort(protocol().portName()));
        sim->setLiveFrame({});
        QVERIFY(protocol().RequestLiveData().accepted);
        sim.setFault(qxsim::Fault::BadChecksum);
        QVERIFY(!protocol().RequestLiveData().accepted);
    }

    void slowReplyCountsAsNoReply()
    {
        port->setInStep(false);
        sim.setFault(qxsim::Fault::SlowReply, 60);
        bounded(23, [&] { protocol().ShowControllerVersion(); });
        QVERIFY(!protocol().state().ControllerConnected);
        QCOMPARE(form->statusPanelText(0), NoReply);
        // The late reply must be out before the next exchange, or it would be taken for that one's.
        QTRY_COMPARE_WITH_TIMEOUT(wire::fromController(sim.wireLog()).size(), 8, 5000);
        sim.setFault(qxsim::Fault::None);
        port->setInStep(true);
        protocol().ShowControllerVersion();
        QCOMPARE(protocol().state().ControllerVersion, 8);
    }

    // A full output queue refuses a byte: the port waits its moment for room,
    // then reports the byte as not sent, and what went before stays intact.
    void fullOutputQueueRefusesAfterAWait()
    {
        if (qgetenv("QX_TEST_PORT_IO") == "qt")
            QSKIP("the termios port's own behaviour, tested in the default run");
        qxsim::PtyPort line; // nobody reads its other end
        QString error;
        QVERIFY2(line.open(&error), qPrintable(error));
        qx::PosixSerialPortIo io;
        QVERIFY(io.open(line.devicePath()));
        QByteArray accepted;
        while (accepted.size() < (1 << 22) && io.sendByte(quint8(accepted.size() % 251)))
            accepted.append(char(accepted.size() % 251));

        QElapsedTimer timer;
        timer.start();
        QVERIFY(!io.sendByte(0xEE));
        const double ms = timer.nsecsElapsed() / 1e6;
        QVERIFY2(ms >= 3 && ms <= 3 + HangLimitMs, qPrintable(QString("refused after %1 ms").arg(ms)));
        QVERIFY(io.isOpen());

        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT((received += line.readAvailable()).size() >= accepted.size(), 5000);
        QCOMPARE(received, accepted);
        QVERIFY(io.sendByte(0x01));
    }

    void hangUpInTheMiddleOfAnExchange()
    {
        QVERIFY(channel().OpenPort(protocol().portName()));
        sim.setFault(qxsim::Fault::HangUp, 2); // the port vanishes on 0x22
        bounded(109, [&] { protocol().ReadAnalogThreshold(); });
        QVERIFY(!channel().ReadReply());
        QVERIFY(!channel().SendByte(1));

        bounded(23, [&] { protocol().ShowControllerVersion(); });
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 1);
        QVERIFY(!protocol().state().ControllerConnected);

        sim.setFault(qxsim::Fault::None); // the port comes back
        protocol().ShowControllerVersion();
        QCOMPARE(protocol().state().ControllerVersion, 8);
        QCOMPARE(dialogs->count(qx::DialogIcon::Error), 1);
    }
};

QTEST_MAIN(TestLinkFaults)
#include "tst_link_faults.moc"
