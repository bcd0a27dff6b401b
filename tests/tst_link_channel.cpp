// Serial channel and reply buffer: what a read takes, what it leaves, what the
// user is shown, against a port held in memory.
#include "FakePortIo.h"
#include "RecordingFeedback.h"
#include "SerialChannel.h"
#include "TestBytes.h"

#include <QtTest>

namespace {

const QString Adapter = QStringLiteral("/dev/ttyUSB0");
const QString AdapterElsewhere = QStringLiteral("/dev/ttyUSB1");

} // namespace

class TestLinkChannel : public QObject
{
    Q_OBJECT

    QTemporaryDir portsDir; // empty: every name goes to the machine's device list
    FakePortIo *port = nullptr;
    RecordingFeedback feedback;
    std::unique_ptr<qx::SerialChannel> channel;
    // The machine's serial devices as the channel's resolver lists them.
    QStringList machineDevices;
    int listings = 0;

    // The adapter shows up at the device path (or is gone, for an empty one).
    void plugAdapterAt(const QString &device)
    {
        machineDevices = device.isEmpty() ? QStringList() : QStringList{device};
        port->devices = QSet<QString>(machineDevices.begin(), machineDevices.end());
    }

    QByteArray bufferHead(int n) const
    {
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out.append(char(channel->reply().rawByte(i)));
        return out;
    }

private slots:
    void init()
    {
        auto io = std::make_unique<FakePortIo>();
        port = io.get();
        plugAdapterAt(Adapter);
        listings = 0;
        feedback = RecordingFeedback();
        channel = std::make_unique<qx::SerialChannel>(
            std::move(io), qx::PortNameResolver(portsDir.path(), [this] {
                ++listings;
                return machineDevices;
            }),
            &feedback);
    }

    void missingPortShowsOneErrorAndLaterCallsFail()
    {
        QVERIFY(!channel->OpenPort(QStringLiteral("com2")));
        QCOMPARE(feedback.openFailures, 1);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!channel->SendByte(1));
        QVERIFY(timer.nsecsElapsed() >= 3'000'000);
        QVERIFY(!channel->ReadReply());
        QCOMPARE(feedback.openFailures, 1);
    }

    void quietOpenShowsNothing()
    {
        QVERIFY(!channel->OpenPortQuiet(QStringLiteral("com2")));
        QVERIFY(channel->OpenPortQuiet(QStringLiteral("com1")));
        QCOMPARE(feedback.openFailures, 0);
    }

    // Listing the machine's serial devices takes about 20 ms, so a name is
    // looked up when it is first used or changes, after an open failed, or
    // when the program asks; never for a good reopen of the same name.
    void portNameResolution_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("opens"); // + opened, - failed
        QTest::addColumn<int>("expectedListings");
        QTest::newRow("one name opened five times")
            << QStringList{"com1", "com1", "com1", "com1", "com1"} << "+++++" << 1;
        QTest::newRow("a changed name is looked up anew")
            << QStringList{"com1", "com2", "com2", "com1", "com1"} << "+--++" << 4;
        QTest::newRow("each failed open looks again, until the adapter is plugged in")
            << QStringList{"unplug", "com1", "com1", "plug", "com1", "com1"} << "--++" << 3;
        QTest::newRow("an adapter that moved fails once, then is found")
            << QStringList{"com1", "move", "com1", "com1", "com1"} << "+-++" << 2;
        QTest::newRow("the program asks after the adapter moved")
            << QStringList{"com1", "move", "resolve com1", "com1", "com1"} << "+++" << 2;
        QTest::newRow("asked before the first open") << QStringList{"resolve com1", "com1", "com1"} << "++" << 1;
    }
    void portNameResolution()
    {
        QFETCH(QStringList, steps);
        QString opens;
        for (const QString &step : steps) {
            if (step == QLatin1String("unplug"))
                plugAdapterAt(QString());
            else if (step == QLatin1String("plug"))
                plugAdapterAt(Adapter);
            else if (step == QLatin1String("move"))
                plugAdapterAt(AdapterElsewhere);
            else if (step.startsWith(QLatin1String("resolve ")))
                channel->resolvePort(step.mid(8));
            else
                opens += channel->OpenPortQuiet(step) ? '+' : '-';
        }
        QTEST(opens, "opens");
        QTEST(listings, "expectedListings");
    }

    void resolvePortGivesTheDevice()
    {
        QCOMPARE(channel->resolvePort(QStringLiteral("com1")), Adapter);
        QCOMPARE(channel->resolvePort(QStringLiteral("com2")), QString());
        QVERIFY(!channel->OpenPortQuiet(QStringLiteral("com2")));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("previous");
        QTest::addColumn<QByteArray>("queued");
        QTest::addColumn<QByteArray>("expectedHead");
        QTest::addColumn<bool>("noReply");
        const QByteArray previous = bytes({9, 8, 7, 6, 5, 4, 3, 2});
        QTest::newRow("nothing queued keeps the old reply") << previous << QByteArray() << previous << true;
        QTest::newRow("five bytes overwrite only five") << previous << bytes({1, 2, 3, 4, 5})
                                                        << bytes({1, 2, 3, 4, 5, 4, 3, 2}) << false;
        QTest::newRow("one byte") << previous << bytes({0xAA}) << bytes({0xAA, 8, 7, 6, 5, 4, 3, 2}) << false;
    }
    void reads()
    {
        QFETCH(QByteArray, previous);
        QFETCH(QByteArray, queued);
        QFETCH(QByteArray, expectedHead);
        QVERIFY(channel->OpenPort(QStringLiteral("com1")));
        port->incoming = previous;
        QVERIFY(channel->ReadReply());
        port->incoming = queued;
        QVERIFY(channel->ReadReply());
        QCOMPARE(bufferHead(expectedHead.size()), expectedHead);
        QTEST(feedback.noReplyShown, "noReply");
        channel->reply().DecodeReply(2);
        QCOMPARE(channel->reply().ReplyByte(0), quint8(expectedHead[0]));
        QCOMPARE(channel->reply().ReplyByte(1), quint8(expectedHead[1]));
    }

    void burstIsTakenInTwoReads()
    {
        QVERIFY(channel->OpenPort(QStringLiteral("com1")));
        QByteArray burst;
        for (int i = 0; i < 300; ++i)
            burst.append(char(i % 251));
        port->incoming = burst;
        QVERIFY(channel->ReadReply());
        QCOMPARE(bufferHead(256), burst.left(256));
        QCOMPARE(port->incoming.size(), 44);
        QVERIFY(channel->ReadReply());
        QCOMPARE(bufferHead(44), burst.mid(256));
        QCOMPARE(bufferHead(256).mid(44), burst.mid(44, 212));
        QVERIFY(port->incoming.isEmpty());
    }

    void liveReadsReportTheTwentyFirstEmptyRead()
    {
        QVERIFY(channel->OpenPort(QStringLiteral("com1")));
        for (int i = 1; i <= 20; ++i)
            QVERIFY(channel->ReadLiveReply());
        QCOMPARE(feedback.transmissionCalls, 0);
        QVERIFY(channel->ReadLiveReply());
        QVERIFY(feedback.transmissionError);
        QVERIFY(channel->ReadLiveReply());
        QCOMPARE(channel->emptyReadCount(), 22);

        port->incoming = bytes({1, 2, 3});
        QVERIFY(channel->ReadLiveReply());
        QVERIFY(!feedback.transmissionError);
        QCOMPARE(channel->emptyReadCount(), 0);
        for (int i = 1; i <= 20; ++i)
            channel->ReadLiveReply();
        QVERIFY(!feedback.transmissionError);
    }

    void goneAfterReplyCountsAsEmpty()
    {
        QVERIFY(channel->OpenPort(QStringLiteral("com1")));
        port->incoming = bytes({5, 6});
        QVERIFY(channel->ReadLiveReply());
        channel->ClosePort();
        QVERIFY(!channel->ReadLiveReply());
        QVERIFY(feedback.noReplyShown);
        QCOMPARE(channel->emptyReadCount(), 1);
        QCOMPARE(bufferHead(2), bytes({5, 6}));
    }

    void everyReadWaitsForTheLastByteToLeave()
    {
        QVERIFY(channel->OpenPort(QStringLiteral("com1")));
        channel->ReadReply();
        channel->ReadLiveReply();
        QCOMPARE(port->drains, 2);
    }

    void decodeEmptiesPositionsBeyondItsLength()
    {
        qx::ReplyBuffer buffer;
        QByteArray block;
        for (int i = 0; i < 37; ++i)
            block.append(char(100 + i));
        buffer.store(block);
        buffer.DecodeReply(37);
        QCOMPARE(buffer.ReplyByte(36), 136);
        buffer.DecodeReply(8);
        QCOMPARE(buffer.ReplyByte(7), 107);
        for (int i = 8; i < 37; ++i)
            QCOMPARE(buffer.ReplyByte(i), -1);
        // The view is a copy: a later read does not change decoded values.
        buffer.store(bytes({1}));
        QCOMPARE(buffer.ReplyByte(0), 100);
    }

    void bytesAreUnsigned()
    {
        qx::ReplyBuffer buffer;
        buffer.store(bytes({0xFF, 0x80}));
        buffer.DecodeReply(2);
        QCOMPARE(buffer.ReplyByte(0), 255);
        QCOMPARE(buffer.ReplyByte(1), 128);
    }
};

QTEST_GUILESS_MAIN(TestLinkChannel)
#include "tst_link_channel.moc"
