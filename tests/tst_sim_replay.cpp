// The simulator's replay of a drive recording: which frame a request gets
// and when, the controller the header describes, and the tool refusing a
// bad file before it publishes its port.
#include "SimParameterBlock.h"
#include "SimReplay.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QtTest>

using namespace qxsim;
using qxrec::DriveRecording;
using qxrec::RecordedPoll;

namespace {

QByteArray frame(int n)
{
    return QByteArray(9, char(n));
}

// Polls 50 ms apart from 1000 ms on, the third without a reply.
DriveRecording fourPolls()
{
    DriveRecording recording;
    recording.header = {8, 4800, QStringLiteral("0"), QStringLiteral("1"), true};
    recording.polls = {{1000, frame(1), {}}, {1050, frame(2), {}}, {1100, QByteArray(), {}}, {1150, frame(4), {}}};
    return recording;
}

constexpr qint64 Start = 5'000'000;  // the first request, in monotonic microseconds

} // namespace

class SimReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void requestGetsTheFrameOfItsTime_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("first request") << false << 0 << frame(1);
        QTest::newRow("nearer the first") << false << 24 << frame(1);
        QTest::newRow("nearer the second") << false << 26 << frame(2);
        QTest::newRow("a little after the second") << false << 60 << frame(2);
        QTest::newRow("no reply recorded: silence") << false << 120 << QByteArray();
        QTest::newRow("last") << false << 150 << frame(4);
        QTest::newRow("after the end: the last stays") << false << 5000 << frame(4);
        QTest::newRow("loop: starts over after the last poll's interval") << true << 200 << frame(1);
        QTest::newRow("loop: second round") << true << 260 << frame(2);
        QTest::newRow("loop: many rounds on") << true << 200 * 7 + 155 << frame(4);
    }
    void requestGetsTheFrameOfItsTime()
    {
        QFETCH(bool, loop);
        QFETCH(int, afterMs);
        Replay replay(fourPolls(), loop);
        replay.startOnce(Start);
        replay.startOnce(Start + 30'000);  // later requests leave the clock alone
        QTEST(replay.frameAt(Start + afterMs * 1000LL), "expected");
    }

    void positionForTheWindow()
    {
        Replay replay(fourPolls(), false);
        QCOMPARE(replay.position(Start).frame, 0);  // waiting for the first request
        QCOMPARE(replay.position(Start).frames, 4);
        QCOMPARE(replay.position(Start).lengthSeconds, 0.2);
        replay.startOnce(Start);
        const ReplayPosition at = replay.position(Start + 60'000);
        QCOMPARE(at.frame, 2);
        QCOMPARE(at.seconds, 0.06);

        Replay empty(DriveRecording{fourPolls().header, {}}, true);
        empty.startOnce(Start);
        QCOMPARE(empty.frameAt(Start + 1000), QByteArray());
        QCOMPARE(empty.position(Start + 1000).frames, 0);
    }

    void headerSetsTheBlock_data()
    {
        QTest::addColumn<QString>("probeVariant");
        QTest::addColumn<int>("probeRange");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<QString>("reserveSensor");
        QTest::addColumn<int>("rpmConstant");
        QTest::newRow("0-1 V, 20K glass, 2 cylinders") << "0" << 1 << false << "0" << 9600;
        QTest::newRow("0-5 V") << "1" << 0 << false << "1" << 4800;
        QTest::newRow("5-0 V") << "2" << 0 << true << "1" << 19200;
        QTest::newRow("band") << "3" << 2 << false << "0" << 2400;
        QTest::newRow("1-0 V") << "4" << 1 << true << "1" << 4000;
    }
    void headerSetsTheBlock()
    {
        QFETCH(QString, probeVariant);
        QFETCH(QString, reserveSensor);
        QFETCH(int, rpmConstant);
        // Start from a block with every flag set, so clearing is seen too.
        const QByteArray start = blockBytes({{8, 0xFF}}, defaultParameterBlock());
        const ParameterBlock block(blockForRecording({8, rpmConstant, probeVariant, reserveSensor, true}, start));
        QTEST(block.probeRange(), "probeRange");
        QTEST(block.probeReversed(), "reversed");
        QCOMPARE(block.reserveSensor20K(), reserveSensor == QLatin1String("0"));
        QCOMPARE(block.rpmConstant(), rpmConstant);
        QVERIFY(block.tpsFalling());  // flags the header says nothing about stay
    }

    void toolRefusesBadFileBeforeThePort()
    {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("bad.csv"));
        createFile(path, "quorvantix drive recording,1\ncontroller_version,8\nrpm_constant,lots\n");

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QX_SIMULATOR), {QStringLiteral("--replay"), path, QStringLiteral("--no-window")});
        QVERIFY(process.waitForFinished(-1));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY(process.exitCode() != 0);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(err.startsWith(path + QStringLiteral(":3: ")), qPrintable(err));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Quorvantix/ports/com1"))));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Quorvantix/ports"))));
    }
};

QTEST_GUILESS_MAIN(SimReplayTest)
#include "tst_sim_replay.moc"
