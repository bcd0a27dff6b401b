// The drive viewer's numbers: the channels of a recording made here, with
// petrol and gas stretches, gaps and a switch, and the summary read off them.
#include "DriveChannels.h"

#include <QtTest>

#include <cmath>

using namespace qx;

namespace {

// A version 8 frame (no checksum): probe, TPS, temperature, level, period, stepper.
QByteArray frame(int probe, int stepper, int period = 1920)
{
    const char bytes[] = {char(probe), 20, char(140), char(128), char(period & 0xFF), char(period >> 8), char(stepper), 0, 0};
    return QByteArray(bytes, sizeof bytes);
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

} // namespace

class TestMonitorDrive : public QObject
{
    Q_OBJECT

private slots:
    void summary_data()
    {
        const QByteArray lean = frame(10, 255), rich = frame(40, 255);           // on petrol
        const QByteArray gasLean = frame(10, 155), gasRich = frame(40, 100);     // on gas: 100 and 155 steps open
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
        const DriveChannels channels = driveChannels(drive(frames));
        const DriveSummary s = driveSummary(channels);
        QCOMPARE(s.durationSeconds, (frames.size() - 1) * 0.05);
        QFETCH(double, onGas);
        QVERIFY(qAbs(s.onGasSeconds - onGas) < 1e-9);
        const auto hz = [](const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); };
        QFETCH(QVariant, hzOnGas);
        QFETCH(QVariant, hzOnPetrol);
        QCOMPARE(hz(s.lambdaHzOnGas).isValid(), hzOnGas.isValid());
        QVERIFY(!hzOnGas.isValid() || qAbs(s.lambdaHzOnGas.value() - hzOnGas.toDouble()) < 1e-9);
        QCOMPARE(hz(s.lambdaHzOnPetrol).isValid(), hzOnPetrol.isValid());
        QVERIFY(!hzOnPetrol.isValid() || qAbs(s.lambdaHzOnPetrol.value() - hzOnPetrol.toDouble()) < 1e-9);
        QFETCH(QList<int>, stepperOnGas);
        QCOMPARE(s.stepperMinOnGas.has_value(), !stepperOnGas.isEmpty());
        if (!stepperOnGas.isEmpty())
            QCOMPARE((QList<int>{*s.stepperMinOnGas, *s.stepperMaxOnGas}), stepperOnGas);
        QCOMPARE(s.highestRpm, std::optional<int>(2000));
        QTEST(s.pollsWithoutReply, "gaps");
        // A poll without a reply is a gap in every channel, never a zero.
        for (int i = 0; i < channels.size(); ++i)
            QCOMPARE(std::isnan(channels.rpm[i]), frames[i].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMonitorDrive)
#include "tst_monitor_drive.moc"
