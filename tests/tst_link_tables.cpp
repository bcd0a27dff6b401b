// Protocol tables and port names: one row per case.
#include "PortNames.h"
#include "ProtocolTables.h"
#include "ReplyBuffer.h"
#include "SimControllerEngine.h"

#include <QtTest>

class TestLinkTables : public QObject
{
    Q_OBJECT

private slots:
    // The simulator keeps its own table on purpose, as an independent peer;
    // the two must split the byte stream the same way.
    void commandsSplitAsTheControllerSplitsThem()
    {
        int commands = 0;
        for (int code = 0; code < 256; ++code) {
            const int program = qx::commandArgumentCount(quint8(code));
            const int controller = qxsim::ControllerEngine::argumentCount(quint8(code));
            // Every byte the program sends is one the controller knows, with as many arguments.
            if (program >= 0) {
                ++commands;
                QVERIFY2(program == controller, qPrintable(QStringLiteral("command %1: program %2, controller %3")
                                                              .arg(code).arg(program).arg(controller)));
            }
        }
        QVERIFY(commands > 0);
    }

    void ignitionType_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rpmConstant");
        QTest::addColumn<int>("listIndex");
        QTest::newRow("coil per cylinder") << 0 << 0 << 19200 << 0;
        QTest::newRow("double coil") << 1 << 1 << 9600 << 1;
        QTest::newRow("4 cylinders") << 2 << 2 << 4800 << 2;
        QTest::newRow("5 cylinders is 4000, not 3840") << 3 << 3 << 4000 << 3;
        QTest::newRow("6 cylinders") << 4 << 4 << 3200 << 4;
        QTest::newRow("8 cylinders") << 5 << 5 << 2400 << 5;
        QTest::newRow("6 falls back") << 6 << 6 << 4800 << 3;
        QTest::newRow("both bytes 1") << 257 << 6 << 4800 << 3;
        QTest::newRow("bytes 7, 0") << 7 << 6 << 4800 << 3;
        QTest::newRow("negative") << -1 << 6 << 4800 << 3;
    }
    void ignitionType()
    {
        QFETCH(int, word);
        const qx::IgnitionType t = qx::ignitionTypeFromWord(word);
        QTEST(t.code, "code");
        QTEST(t.rpmConstant, "rpmConstant");
        QTEST(t.listIndex, "listIndex");
    }

    void probeVariant_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("variant");
        QTest::newRow("0-5 V") << 0 << 0x00 << "1";
        QTest::newRow("5-0 V") << 0 << 0x02 << "2";
        QTest::newRow("0-1 V") << 1 << 0x00 << "0";
        QTest::newRow("1-0 V") << 1 << 0x02 << "4";
        QTest::newRow("0,8-1,6 V") << 2 << 0x00 << "3";
        QTest::newRow("0,8-1,6 V reversed bit ignored") << 2 << 0xFF << "3";
        QTest::newRow("other bits don't reverse") << 0 << 0xFD << "1";
        QTest::newRow("unknown range") << 7 << 0x02 << "0";
    }
    void probeVariant()
    {
        QFETCH(int, range);
        QFETCH(int, flags);
        QTEST(qx::probeVariantFrom(range, flags), "variant");
    }

    void liveChecksum_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("matches");
        QTest::newRow("280 mod 256 = 24") << QByteArray::fromHex("0a141e28323c4618ff") << true;
        QTest::newRow("off by one") << QByteArray::fromHex("0a141e28323c4619ff") << false;
        QTest::newRow("all zero") << QByteArray(9, '\0') << true;
        QTest::newRow("all 0xFF: 1785 mod 256 = 249") << QByteArray::fromHex("fffffffffffffff900") << true;
    }
    void liveChecksum()
    {
        QFETCH(QByteArray, frame);
        qx::ReplyBuffer reply;
        reply.store(frame);
        reply.DecodeReply(9);
        QTEST(qx::liveChecksumMatches(reply), "matches");
    }

    void frameLength()
    {
        QCOMPARE(qx::liveFrameLength(0), 8);
        QCOMPARE(qx::liveFrameLength(4), 8);
        QCOMPARE(qx::liveFrameLength(5), 9);
        QCOMPARE(qx::liveFrameLength(8), 9);
    }

    void portNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        for (const auto &[name, number] :
             {std::pair{"com1", 1}, {"COM8", 8}, {"com9", 0}, {"com0", 0}, {"com10", 0}, {"/dev/ttyS0", 0}})
            QTest::newRow(name) << name << number;
    }
    void portNumbers()
    {
        QFETCH(QString, name);
        QTEST(qx::portNumber(name), "number");
    }

    void deviceOrder()
    {
        const QStringList sorted = qx::PortNameResolver::sortedSerialDevices(
            {"/dev/ttyS1", "/dev/ttyS10", "/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyS2", "/dev/ttyUSB2"});
        QCOMPARE(sorted, QStringList({"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS2",
                                      "/dev/ttyS10"}));
    }

    void resolution()
    {
        QTemporaryDir dir;
        const QString ports = dir.path() + "/ports";
        QDir().mkpath(ports);
        QFile device(dir.path() + "/pts7");
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(device.fileName(), ports + "/com2"));
        QVERIFY(QFile::link(dir.path() + "/gone", ports + "/com3"));

        const qx::PortNameResolver resolver(ports, [] { return QStringList{"/dev/ttyUSB0", "/dev/ttyS0"}; });
        QCOMPARE(resolver.resolve("com1"), QString("/dev/ttyUSB0"));
        QCOMPARE(resolver.resolve("com2"), QFileInfo(device.fileName()).canonicalFilePath());
        QCOMPARE(resolver.resolve("COM2"), QFileInfo(device.fileName()).canonicalFilePath());
        QVERIFY2(resolver.resolve("com3").isEmpty(), "a dangling link is no port, not the third device");
        QVERIFY(resolver.resolve("com4").isEmpty());
        QVERIFY(resolver.resolve("lpt1").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLinkTables)
#include "tst_link_tables.moc"
