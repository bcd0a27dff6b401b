// The live sample of a poll: its positions, when a frame counts as fresh,
// and the engine speed the adaptation's steps compare.
#include "AdaptationSpeed.h"
#include "ControllerProtocol.h"
#include "FakePortIo.h"
#include "LiveAverage.h"
#include "LiveSample.h"
#include "SerialChannel.h"
#include "TestBytes.h"

#include <QtTest>

using namespace qx;

namespace {

// Bytes 0 … 6 add up to 0x18 (mod 256).
const char *const GoodFrame = "0a 14 1e 28 32 3c 46 18 00";
const char *const BadChecksum = "0a 14 1e 28 32 3c 46 19 00";

LiveSample sampleOf(const QByteArray &bytes, int bytesRead, int version, bool temperatureSensor = false)
{
    ReplyBuffer reply;
    reply.store(bytes);
    reply.DecodeReply(liveFrameLength(version));
    return liveSample(reply, bytesRead, true, version, temperatureSensor);
}

} // namespace

class TestAdaptSample : public QObject
{
    Q_OBJECT

private slots:
    void positions()
    {
        const LiveSample sample = sampleOf(hex(GoodFrame), 9, 8);
        QCOMPARE(sample.probe, 0x0a);
        QCOMPARE(sample.tps, 0x14);
        QCOMPARE(sample.temperature, 0x1e);
        QCOMPARE(sample.period, 0x32 + 256 * 0x3c);
        QCOMPARE(sample.stepper, 0x46);
        QCOMPARE(sample.level, 0x1e);
        QCOMPARE(sampleOf(hex(GoodFrame), 9, 8, true).level, 0x28); // the temperature takes byte 2
    }

    void freshness_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("bytesRead");
        QTest::addColumn<bool>("fresh");
        QTest::newRow("version 4, 8 bytes") << 4 << hex(GoodFrame) << 8 << true;
        QTest::newRow("version 4, 7 bytes") << 4 << hex(GoodFrame) << 7 << false;
        QTest::newRow("version 4, nothing read") << 4 << hex(GoodFrame) << 0 << false;
        QTest::newRow("version 4, more than a frame") << 4 << hex(GoodFrame) << 40 << true;
        QTest::newRow("version 5, good checksum") << 5 << hex(GoodFrame) << 9 << true;
        QTest::newRow("version 5, bad checksum") << 5 << hex(BadChecksum) << 9 << false;
        QTest::newRow("version 5, 8 bytes are short") << 5 << hex(GoodFrame) << 8 << false;
        QTest::newRow("version 8 has no checksum to check") << 8 << hex(BadChecksum) << 9 << true;
        QTest::newRow("version 8, 8 bytes are short") << 8 << hex(GoodFrame) << 8 << false;
    }
    void freshness()
    {
        QFETCH(int, version);
        QFETCH(QByteArray, bytes);
        QFETCH(int, bytesRead);
        QTEST(sampleOf(bytes, bytesRead, version).fresh, "fresh");
    }

    // A controller that falls silent leaves its last frame in the buffer;
    // that frame must not pass as a new one, nor may a short reply.
    void throughTheChannel()
    {
        QTemporaryDir portsFolder;
        auto io = std::make_unique<FakePortIo>();
        FakePortIo *port = io.get();
        port->devices = {QStringLiteral("/dev/ttyUSB0")};
        SerialChannel channel(std::move(io),
                              PortNameResolver(portsFolder.path(), [] { return QStringList{"/dev/ttyUSB0"}; }),
                              nullptr);
        ControllerProtocol protocol(channel);
        protocol.state().ControllerVersion = 5;
        QVERIFY(protocol.OpenPort());

        port->incoming = hex(GoodFrame);
        LiveSample sample = protocol.RequestLiveData();
        QVERIFY(sample.fresh);
        QCOMPARE(sample.tps, 0x14);

        sample = protocol.RequestLiveData();
        QVERIFY(!sample.fresh);
        QCOMPARE(sample.tps, 0x14); // the old frame is still in the buffer

        port->incoming = hex("0a 15 1e 28 32");
        QVERIFY(!protocol.RequestLiveData().fresh);

        port->incoming = hex(BadChecksum);
        QVERIFY(!protocol.RequestLiveData().fresh);
        QCOMPARE(port->sent, hex("02 02 02 02"));
    }

    // The shown speed at 4800 (4 cylinders), one sample after a reset.
    void shownSpeed_data()
    {
        QTest::addColumn<int>("constant");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("rpm"); // -1: no speed
        QTest::addColumn<int>("shown");
        QTest::newRow("1291: 2974 shows 2950") << 4800 << 1291 << 2974 << 2950;
        QTest::newRow("1290: 2977 shows 3000") << 4800 << 1290 << 2977 << 3000;
        QTest::newRow("2439: 1574 shows 1550") << 4800 << 2439 << 1574 << 1550;
        QTest::newRow("2438: 1575 shows 1600") << 4800 << 2438 << 1575 << 1600;
        QTest::newRow("no RPM constant") << 0 << 1290 << -1 << -1;
        QTest::newRow("period 0") << 4800 << 0 << -1 << -1;
        QTest::newRow("below 300 stands") << 4800 << 12900 << 0 << 0;
    }
    void shownSpeed()
    {
        QFETCH(int, constant);
        QFETCH(int, period);
        QFETCH(int, rpm);
        LiveAverage average;
        const auto speed = SpeedFromPeriod(period, average, constant);
        QCOMPARE(speed.has_value(), rpm >= 0);
        if (speed) {
            QCOMPARE(speed->rpm, rpm);
            QTEST(speed->shown, "shown");
        }
        // The sample is taken into the average even when no speed comes of it.
        QCOMPARE(average.fillCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAdaptSample)
#include "tst_adapt_sample.moc"
