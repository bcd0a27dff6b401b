// The controller protocol against the simulator on a pseudo-terminal: the
// bytes on the wire, their order and timing, and what the program decoded.
#include "ControllerProtocol.h"
#include "CountingPortIo.h"
#include "HangLimit.h"
#include "InStepPortIo.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"
#include "PortIoUnderTest.h"
#include "RecordingFeedback.h"
#include "TestBytes.h"
#include "TestController.h"
#include "TestSettings.h"
#include "WireLog.h"

#include <QtTest>

#include <algorithm>

class TestLinkE2E : public QObject
{
    Q_OBJECT

    TestSettings settings;
    TestController sim;
    RecordingFeedback feedback;
    SentBytes sentBytes;
    InStepPortIo *port = nullptr;
    std::unique_ptr<qx::SerialChannel> channel;
    std::unique_ptr<qx::ControllerProtocol> protocol;
    qx::Identification found;

    void clearWire()
    {
        sim.clearWireLog();
        sentBytes.restart();
    }
    // What the program sent since the wire was cleared, once the simulator has it all.
    QByteArray sent() const
    {
        sim.waitForWireBytes(sentBytes.sinceRestart(), 5000);
        return wire::bytes(wire::fromProgram(sim.wireLog()));
    }

    // The start-up order of the identification steps.
    void identify()
    {
        found.tempSensorSupported = protocol->ApplyTemperatureOptions();
        found.analogModel = protocol->CheckAnalogModel();
        if (found.analogModel.value_or(false))
            found.analogThreshold = protocol->ReadAnalogThreshold();
        found.version = protocol->ShowControllerVersion();
        if (const auto type = protocol->LoadIgnitionType())
            found.ignitionListIndex = type->listIndex;
    }

private slots:
    void initTestCase() { QVERIFY2(sim.startOn(QStringLiteral("com1")), qPrintable(sim.errorString())); }

    void init()
    {
        sim.restoreDefaults();
        feedback = RecordingFeedback();
        auto inStep = std::make_unique<InStepPortIo>(portIoUnderTest(), sim);
        port = inStep.get();
        channel = std::make_unique<qx::SerialChannel>(sentBytes.count(std::move(inStep)), linkedPortsOnly(),
                                                      &feedback);
        protocol = std::make_unique<qx::ControllerProtocol>(*channel);
        found = qx::Identification();
        clearWire();
    }

    void cleanup() { channel->ClosePort(); }

    void identification_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QByteArray>("expectedBytes");
        QTest::addColumn<bool>("tempControls");
        QTest::addColumn<bool>("analog");
        QTest::newRow("version 3") << 3 << false << hex("01 01 01 09") << false << false;
        QTest::newRow("version 4") << 4 << false << hex("01 01 01 09") << true << false;
        QTest::newRow("version 5") << 5 << false << hex("01 01 01 09") << true << false;
        QTest::newRow("version 8") << 8 << false << hex("01 01 aa 22 0a 01 09") << true << true;
        QTest::newRow("no controller") << 8 << true << hex("01 01 01 09") << false << false;
    }
    void identification()
    {
        QFETCH(int, version);
        QFETCH(bool, silent);
        sim->setVersion(version);
        sim->setAnalogThreshold(70);
        if (silent)
            sim.setFault(qxsim::Fault::Silence);
        // Make sure no stale reply from an earlier row decides anything.
        channel->reply().store(QByteArray(37, '\0'));

        identify();

        QTEST(sent(), "expectedBytes");
        QCOMPARE(*found.version, silent ? 0 : version);
        QCOMPARE(protocol->state().ControllerVersion, silent ? 0 : version);
        QCOMPARE(protocol->state().ControllerConnected, !silent);
        // Without a reply of its own a query tells nothing.
        QCOMPARE(found.tempSensorSupported.has_value(), !silent);
        QCOMPARE(found.analogModel.has_value(), !silent);
        QTEST(found.tempSensorSupported.value_or(false), "tempControls");
        QTEST(protocol->state().TempSensorSupported, "tempControls");
        QTEST(found.analogModel.value_or(false), "analog");
        QCOMPARE(feedback.noReplyShown, silent);
        if (!silent) {
            QCOMPARE(protocol->state().RpmConstant, 4800);
            QCOMPARE(*found.ignitionListIndex, 2);
        }
        if (version >= 8 && !silent) {
            QCOMPARE(*found.analogThreshold, QStringLiteral("70"));
            QCOMPARE(protocol->state().AnalogThresholdText, QStringLiteral("70"));
        }
        QVERIFY(!channel->isOpen());
    }

    void waits_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<double>("nominalMs");
        QTest::addColumn<QByteArray>("expectedBytes");
        QTest::newRow("options query") << "options" << 403.0 << hex("01");
        QTest::newRow("analog check") << "analog" << 203.0 << hex("01");
        QTest::newRow("version caption") << "caption" << 23.0 << hex("01");
        QTest::newRow("ignition type") << "ignition" << 103.0 << hex("09");
        QTest::newRow("threshold read") << "threshold" << 109.0 << hex("aa 22 0a");
        QTest::newRow("live data") << "live" << 23.0 << hex("02");
    }
    void waits()
    {
        QFETCH(QString, operation);
        QFETCH(double, nominalMs);
        if (operation == "threshold" || operation == "live")
            QVERIFY(channel->OpenPort(protocol->portName()));
        clearWire();

        const qint64 caughtUpBefore = port->catchUpNs();
        QElapsedTimer timer;
        timer.start();
        if (operation == "options")
            protocol->QueryControllerOptions();
        else if (operation == "analog")
            protocol->CheckAnalogModel();
        else if (operation == "caption")
            protocol->ShowControllerVersion();
        else if (operation == "ignition")
            protocol->QueryIgnitionType();
        else if (operation == "threshold")
            protocol->ReadAnalogThreshold();
        else
            QVERIFY(protocol->RequestLiveData().accepted);
        const double elapsed = timer.nsecsElapsed() / 1e6;
        // The program's own time: without what the test spent letting a late simulator catch up.
        const double programMs = elapsed - (port->catchUpNs() - caughtUpBefore) / 1e6;

        QVERIFY2(programMs >= nominalMs && elapsed <= nominalMs + HangLimitMs,
                 qPrintable(QString("%1 ms (%2 ms of them the program's) for a nominal %3 ms")
                                .arg(elapsed).arg(programMs).arg(nominalMs)));
        QTEST(sent(), "expectedBytes");
        QVERIFY(!feedback.noReplyShown);
    }

    void bytePausesAndThresholdWaits()
    {
        QVERIFY(channel->OpenPort(protocol->portName()));
        protocol->send({qx::Cmd::IgnitionType, 0x05, 0x00});
        protocol->ReadAnalogThreshold();
        QCOMPARE(sent(), hex("1f 05 00 aa 22 0a"));
        // By the program's clock: the simulator's reading thread may be late
        // on a busy machine, which would make one gap look short.
        const QVector<double> gaps = sentBytes.gapsMs();
        const double expected[] = {3, 3, 3, 53, 53};
        QCOMPARE(gaps.size(), 5);
        for (int i = 0; i < gaps.size(); ++i)
            QVERIFY2(gaps[i] >= expected[i] && gaps[i] <= expected[i] + HangLimitMs,
                     qPrintable(QString("gap %1: %2 ms, nominal %3 ms").arg(i).arg(gaps[i]).arg(expected[i])));
    }

    // Closing right after an exchange's last byte and opening again at once
    // must not discard bytes the simulator has not read yet.
    void reopeningKeepsBytesNotYetRead()
    {
        constexpr int Rounds = 20;
        const QByteArray request = hex("1f 05 00"); // an ignition-type write: no reply
        const auto io = portIoUnderTest();
        for (int round = 0; round < Rounds; ++round) {
            QVERIFY(io->open(sim.devicePath()));
            for (char byte : request)
                QVERIFY(io->sendByte(quint8(byte)));
            io->close();
        }
        sim.waitForWireBytes(Rounds * request.size(), 5000);
        QCOMPARE(wire::bytes(wire::fromProgram(sim.wireLog())), request.repeated(Rounds));
    }

    void versionWithoutReplyForgetsTheController()
    {
        QCOMPARE(protocol->ShowControllerVersion(), 8);
        sim.setFault(qxsim::Fault::Silence);
        QCOMPARE(protocol->ShowControllerVersion(), 0);
        QCOMPARE(protocol->state().ControllerVersion, 0);
        QVERIFY(!protocol->state().ControllerConnected);
        QVERIFY(feedback.noReplyShown);
    }

    void ignitionFromBlock_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rpmConstant");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("probeVariant");
        QTest::addColumn<int>("flags");
        // Probe range (31), flags (8) and the ignition word (32, 33) in a zero block.
        QTest::newRow("8 cylinders") << blockBytes({{31, 1}, {8, 0x00}, {32, 5}, {33, 0}})
                                     << 5 << 2400 << 5 << "0" << 0x00;
        QTest::newRow("word 257") << blockBytes({{31, 1}, {8, 0x00}, {32, 1}, {33, 1}})
                                  << 6 << 4800 << 3 << "0" << 0x00;
        QTest::newRow("5 cylinders") << blockBytes({{31, 0}, {8, 0x88}, {32, 3}, {33, 0}})
                                     << 3 << 4000 << 3 << "1" << 0x88;
        QTest::newRow("reversed 1-0 V") << blockBytes({{31, 1}, {8, 0x02}, {32, 0}, {33, 0}})
                                        << 0 << 19200 << 0 << "4" << 0x02;
        QTest::newRow("unknown range") << blockBytes({{31, 7}, {8, 0x02}, {32, 2}, {33, 0}})
                                       << 2 << 4800 << 2 << "0" << 0x02;
    }
    void ignitionFromBlock()
    {
        QFETCH(QByteArray, block);
        sim->setParameterBlock(block);
        const std::optional<qx::IgnitionType> type = protocol->LoadIgnitionType();
        QVERIFY(type);
        QCOMPARE(sent(), hex("09"));
        QTEST(protocol->state().IgnitionTypeCode, "code");
        QTEST(protocol->state().RpmConstant, "rpmConstant");
        QTEST(type->listIndex, "listIndex");
        QTEST(protocol->state().ProbeVariant, "probeVariant");
        QTEST(int(protocol->state().ControllerFlags), "flags");
    }

    void liveData_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("decoded");
        QTest::newRow("version 4, 8 bytes") << 4 << hex("0a141e28323c4619") << true << 8;
        QTest::newRow("version 5, good sum") << 5 << hex("0a141e28323c4618ff") << true << 9;
        QTest::newRow("version 5, bad sum") << 5 << hex("0a141e28323c4619ff") << false << 9;
        QTest::newRow("version 6, sum not checked") << 6 << hex("0a141e28323c4619ff") << true << 9;
    }
    void liveData()
    {
        QFETCH(int, version);
        QFETCH(QByteArray, frame);
        QFETCH(int, decoded);
        sim->setVersion(version);
        sim->setLiveFrame(frame);
        protocol->state().ControllerVersion = version;
        QVERIFY(channel->OpenPort(protocol->portName()));
        clearWire();
        QTEST(protocol->RequestLiveData().accepted, "result");
        QCOMPARE(sent(), hex("02"));
        QCOMPARE(channel->reply().decodedCount(), decoded);
        for (int i = 0; i < decoded; ++i)
            QCOMPARE(channel->reply().ReplyByte(i), int(quint8(frame[i])));
        QCOMPARE(channel->reply().ReplyByte(decoded), -1);
    }

    void liveDataGivesUpAfterFourteenAttempts()
    {
        // Closed port: every status query fails, so every attempt runs.
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!protocol->RequestLiveData().accepted);
        QVERIFY(timer.elapsed() >= 14 * 23);
        QVERIFY(timer.elapsed() <= 14 * 23 + HangLimitMs);
        QVERIFY(feedback.noReplyShown);
    }
};

QTEST_MAIN(TestLinkE2E)
#include "tst_link_e2e.moc"
