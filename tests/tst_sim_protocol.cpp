// The simulated controller's protocol engine and fault shaping, without a port.
#include "SimControllerEngine.h"
#include "SimFault.h"
#include "SimParameterBlock.h"
#include "TestBytes.h"

#include <QtTest>

using namespace qxsim;

namespace {

// Feeds the bytes and collects every reply they bring.
QByteArray feed(ControllerEngine &engine, const QByteArray &input)
{
    QByteArray replies;
    for (char byte : input)
        if (const auto reply = engine.receive(quint8(byte)))
            replies += reply->bytes;
    return replies;
}

const QByteArray fixedFrame = bytes({10, 20, 30, 40, 50, 60, 70, 24, 0});

} // namespace

class TestSimProtocol : public QObject
{
    Q_OBJECT

private slots:
    void parameterWritesLandInTheBlock_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("inConfigurationBlock");
        // Argument bytes that look like commands must be taken as data.
        QTest::newRow("5 switch temperature") << bytes({5, 0xAA}) << 0 << false;
        QTest::newRow("6 lambda times") << bytes({6, 0x0A, 0xAA, 0x01, 0x09}) << 1 << true;
        QTest::newRow("7 TPS threshold") << bytes({7, 0x0A}) << 5 << false;
        QTest::newRow("8 switch rpm") << bytes({8, 0x80, 0x07}) << 6 << true;
        QTest::newRow("11 flags") << bytes({11, 0xAA}) << 8 << true;
        QTest::newRow("15 lambda threshold") << bytes({15, 0x02}) << 9 << false;
        QTest::newRow("18 stepper min max") << bytes({18, 0x0A, 0x0A}) << 10 << true;
        QTest::newRow("19 stepper start") << bytes({19, 0x22}) << 12 << true;
        QTest::newRow("20 max gas rpm") << bytes({20, 0xAA, 0x0A}) << 13 << true;
        QTest::newRow("21 switch delay") << bytes({21, 0x18, 0x00}) << 15 << false;
        QTest::newRow("22 rpm delta") << bytes({22, 0x23, 0x01}) << 17 << true;
        QTest::newRow("23 cut-off stepper") << bytes({23, 0x09}) << 21 << true;
        QTest::newRow("24 cut-off rpm") << bytes({24, 0x00, 0x0A}) << 19 << true;
        QTest::newRow("25 start delay") << bytes({25, 0x0A}) << 22 << true;
        QTest::newRow("26 second lambda pair") << bytes({26, 0x02, 0x01, 0xAA, 0x0A}) << 23 << true;
        QTest::newRow("27 stepper opening") << bytes({27, 0xAA}) << 27 << true;
        QTest::newRow("28 speed below TPS") << bytes({28, 0xAE, 0xC4}) << 28 << true;
        QTest::newRow("30 probe range") << bytes({30, 0x02}) << 31 << true;
        QTest::newRow("31 ignition type") << bytes({31, 0x05, 0x00}) << 32 << false;
        QTest::newRow("32 speed above TPS") << bytes({32, 0x0A, 0xAA}) << 34 << true;
    }
    void parameterWritesLandInTheBlock()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, offset);
        QFETCH(bool, inConfigurationBlock);
        ControllerEngine engine;
        const QByteArray before = feed(engine, bytes({9}));
        QByteArray expected = before;
        expected.replace(offset, request.size() - 1, request.mid(1));

        const QByteArray stream = inConfigurationBlock ? char(0xAA) + request + char(0x0A) : request;
        QCOMPARE(feed(engine, stream), QByteArray());
        QCOMPARE(feed(engine, bytes({9})), expected);
        QCOMPARE(engine.parameterBlock(), expected);
    }

    void thresholdWriteAndRead()
    {
        ControllerEngine engine;
        QCOMPARE(feed(engine, bytes({0xAA, 0x22, 0x0A})), bytes({0x22, 1}));
        // The value 0x0A must not close the block early, nor 0x22 start a read.
        QCOMPARE(feed(engine, bytes({0xAA, 0x23, 0x0A, 0x0A, 0xAA, 0x23, 0x22, 0x0A})), QByteArray());
        QCOMPARE(engine.analogThreshold(), quint8(0x22));
        QVERIFY(!engine.inConfigurationBlock());
    }

    void unknownBytesAreSkipped()
    {
        ControllerEngine engine;
        engine.setVersion(6);
        QTest::ignoreMessage(QtWarningMsg, "ignoring unknown command byte 0xff");
        QTest::ignoreMessage(QtWarningMsg, "ignoring unknown command byte 0x03");
        const QByteArray replies = feed(engine, bytes({0xFF, 0x03, 0x01}));
        QCOMPARE(replies.size(), 8);
        QCOMPARE(replies.at(0), char(6));
    }

    void replyLengths_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("length");
        for (int version = ControllerEngine::MinVersion; version <= ControllerEngine::MaxVersion; ++version) {
            const QByteArray v = QByteArray::number(version);
            QTest::newRow("version " + v + ", command 1") << version << 1 << 8;
            QTest::newRow("version " + v + ", command 9") << version << 9 << 37;
            QTest::newRow("version " + v + ", threshold") << version << 0x22 << 2;
        }
    }
    void replyLengths()
    {
        QFETCH(int, version);
        QFETCH(int, command);
        ControllerEngine engine;
        engine.setVersion(version);
        const QByteArray reply = feed(engine, bytes({command}));
        QTEST(int(reply.size()), "length");
        if (command == 1)
            QCOMPARE(int(reply.at(0)), version);
    }

    void liveDataComesFromTheFrameSource()
    {
        ControllerEngine engine;
        engine.setFrameSource([] { return fixedFrame; });
        const auto reply = engine.receive(2);
        QVERIFY(reply);
        QVERIFY(reply->liveFrame);
        QCOMPARE(reply->bytes, fixedFrame);
    }

    void versionIsKeptInRange()
    {
        ControllerEngine engine;
        engine.setVersion(0);
        QCOMPARE(engine.version(), 3);
        engine.setVersion(99);
        QCOMPARE(engine.version(), 8);
    }

    void defaultBlockDecodes()
    {
        const ParameterBlock block(defaultParameterBlock());
        QCOMPARE(block.rpmConstant(), 4800);
        QCOMPARE(qRound(block.switchRpm()), 2000);
        QCOMPARE(QList<int>({block.stepMin(), block.stepMax(), block.stepStart()}), QList<int>({10, 200, 100}));
        QCOMPARE(block.switchTemperatureCelsius(), 0.0);
        QVERIFY(!block.tempSensorOn());
        QVERIFY(!block.reserveSensor20K());
    }

    void faultShapes_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("live");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("unchangedPrefix");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("unpaced");
        QTest::newRow("none") << "none" << true << 9 << 9 << 0 << false;
        QTest::newRow("silence") << "silence" << true << 0 << 0 << 0 << false;
        QTest::newRow("garbage") << "garbage" << false << 9 << 0 << 0 << false;
        QTest::newRow("short") << "short" << true << 8 << 8 << 0 << false;
        QTest::newRow("short by more than the reply") << "short=20" << true << 0 << 0 << 0 << false;
        QTest::newRow("long") << "long=3" << true << 12 << 9 << 0 << false;
        QTest::newRow("burst") << "burst" << true << 300 << 9 << 0 << true;
        QTest::newRow("checksum on a live frame") << "checksum" << true << 9 << 7 << 0 << false;
        QTest::newRow("checksum on another reply") << "checksum" << false << 9 << 9 << 0 << false;
        QTest::newRow("slow") << "slow" << true << 9 << 9 << 500 << false;
        QTest::newRow("hang-up leaves replies alone") << "hangup=3" << true << 9 << 9 << 0 << false;
    }
    void faultShapes()
    {
        QFETCH(QString, fault);
        QFETCH(bool, live);
        QFETCH(int, unchangedPrefix);
        FaultSetting setting;
        QVERIFY(parseFault(fault, &setting));
        QRandomGenerator random(7);
        const ShapedReply shaped = shapeReply(fixedFrame, live, setting, random);
        QTEST(int(shaped.bytes.size()), "length");
        QCOMPARE(shaped.bytes.left(unchangedPrefix), fixedFrame.left(unchangedPrefix));
        QTEST(shaped.delayMs, "delayMs");
        QTEST(shaped.unpaced, "unpaced");
        if (fault == QLatin1String("checksum") && live)
            QCOMPARE(quint8(shaped.bytes.at(7)), quint8(fixedFrame.at(7) + 1));
        if (fault == QLatin1String("garbage"))
            QVERIFY(shaped.bytes != fixedFrame);
    }

    void faultNamesParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("argument");
        QTest::newRow("default argument") << "burst" << true << int(Fault::Burst) << 300;
        QTest::newRow("given argument") << "slow=600" << true << int(Fault::SlowReply) << 600;
        QTest::newRow("upper case") << "HANGUP=2" << true << int(Fault::HangUp) << 2;
        // Unknown, a negative argument, one not a number, one to a fault without any.
        for (const char *text : {"flaky", "slow=-5", "long=many", "silence=3"})
            QTest::newRow(text) << text << false << 0 << 0;
    }
    void faultNamesParse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        FaultSetting setting;
        QCOMPARE(parseFault(text, &setting), valid);
        if (valid) {
            QTEST(int(setting.fault), "fault");
            QTEST(setting.argument, "argument");
        }
    }
};

QTEST_GUILESS_MAIN(TestSimProtocol)
#include "tst_sim_protocol.moc"
