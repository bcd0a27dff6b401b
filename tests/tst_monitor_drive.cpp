// The drive viewer's numbers: the channels of a recording made here, with
// petrol and gas stretches, gaps and a switch, and the summary read off them.
#include "DriveChannels.h"
#include "TestBytes.h"

#include <QtTest>

#include <cmath>

using namespace qx;

namespace {

// A version 8 frame (no checksum): probe, TPS, temperature, level, period, stepper.
QByteArray frame(int probe, int stepper, int period = 1920)
{
    return bytes({probe, 20, 140, 128, period & 0xFF, period >> 8, stepper, 0, 0});
}

// Polls 50 ms apart: each entry a frame, or an empty one for no reply.
qxrec::DriveRecording drive(const QList<QByteArray> &frames)
{
    qxrec::DriveRecording r;
    r.header = {8, 4800, "0", "0", true};
    for (int i = 0; i < frames.size(); ++i)
        r.polls.append({i * 50, frames[i], {}});
    return r;
}

// A summary figure against the table's: both absent, or equal but for rounding.
bool same(const std::optional<double> &value, const QVariant &wanted)
{
    return value.has_value() == wanted.isValid() && (!value || qAbs(*value - wanted.toDouble()) < 1e-9);
}

} // namespace

class TestMonitorDrive : public QObject
{
    Q_OBJECT

private slots:
    void summary_data()
    {
        const QByteArray lean = frame(10, 255), rich = frame(40, 255);       // on petrol
        const QByteArray gasLean = frame(10, 155), gasRich = frame(40, 100); // on gas: 100 and 155 steps open
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<double>("onGas");
        QTest::addColumn<QVariant>("hzOnGas");
        QTest::addColumn<QVariant>("hzOnPetrol");
        QTest::addColumn<QList<int>>("stepperOnGas"); // min, max; empty for never on gas
        QTest::addColumn<int>("gaps");
        QTest::newRow("petrol only") << QList<QByteArray>{lean, rich, lean, rich, lean} << 0.0 << QVariant()
                                     << QVariant(4 / 0.2) << QList<int>{} << 0;
        QTest::newRow("a switch to gas") << QList<QByteArray>{lean, rich, gasLean, gasRich, gasLean}
                                         << 0.1 << QVariant(2 / 0.1) << QVariant(1 / 0.1) << QList<int>{100, 155} << 0;
        QTest::newRow("a gap breaks the crossings")
            << QList<QByteArray>{gasLean, QByteArray(), gasRich, gasLean} << 0.1 << QVariant(1 / 0.1) << QVariant()
            << QList<int>{100, 155} << 1;
    }
    void summary()
    {
        QFETCH(QList<QByteArray>, frames);
        QFETCH(double, onGas);
        QFETCH(QVariant, hzOnGas);
        QFETCH(QVariant, hzOnPetrol);
        const DriveChannels channels = driveChannels(drive(frames));
        const DriveSummary s = driveSummary(channels);
        QCOMPARE(s.durationSeconds, (frames.size() - 1) * 0.05);
        QVERIFY(same(s.onGasSeconds, onGas));
        QVERIFY(same(s.lambdaHzOnGas, hzOnGas));
        QVERIFY(same(s.lambdaHzOnPetrol, hzOnPetrol));
        QTEST((s.stepperMinOnGas ? QList<int>{*s.stepperMinOnGas, *s.stepperMaxOnGas} : QList<int>()), "stepperOnGas");
        QCOMPARE(s.highestRpm, std::optional<int>(2000));
        QTEST(s.pollsWithoutReply, "gaps");
        // A poll without a reply is a gap in every channel, never a zero.
        for (int i = 0; i < channels.size(); ++i)
            QCOMPARE(std::isnan(channels.rpm[i]), frames[i].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMonitorDrive)
#include "tst_monitor_drive.moc"
