// The two adaptation writes, byte for byte, and the figures they send.
#include "AdaptationState.h"
#include "AdaptationWrites.h"
#include "ParameterCodec.h"
#include "VehicleChoices.h"
#include "WriteRecorder.h"

#include <QtTest>

using namespace qx;

namespace {

// Steps 2, 3, 6 and 8 done: a 0-1 V probe, a rising TPS parked at 250,
// stepper 10 … 200 starting at 100, lambda times 800 ms and 800 ms.
AdaptationState measured()
{
    AdaptationState state;
    state.ProbeRich = 45;
    state.ProbeThreshold = 27;
    state.TpsThreshold = 27;
    state.TpsRising = 1;
    state.TpsThresholdToWrite = 250;
    state.StepperMin = 10;
    state.StepperMax = 200;
    state.StepperStart = 100;
    state.LambdaTimeRich = 800;
    state.LambdaTimeLean = 800;
    return state;
}

QString writeSet(const AdaptationState &state, const VehicleChoices &vehicle, quint8 *flags, int rpmConstant = 4800)
{
    WriteRecorder r;
    writeAdaptationSet(state, vehicle, {rpmConstant, 8, flags}, r);
    return r.line();
}

} // namespace

Q_DECLARE_METATYPE(qx::VehicleChoices)

class TestAdaptWrites : public QObject
{
    Q_OBJECT

private slots:
    // parts: the flag byte after bits 1, 2, 0, 3 and 6, then the gearbox's
    // flag command and the glass's.
    void adaptationSet_data()
    {
        QTest::addColumn<bool>("rising");
        QTest::addColumn<VehicleChoices>("vehicle");
        QTest::addColumn<int>("flagsBefore");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<int>("flagsAfter");
        const VehicleChoices defaults;
        VehicleChoices automatic90R;
        automatic90R.manualGearbox = false;
        automatic90R.automaticGearbox = true;
        automatic90R.glass20k = false;
        automatic90R.glass90R = true;
        VehicleChoices neitherGearboxBothGlasses;
        neitherGearboxBothGlasses.manualGearbox = false;
        neitherGearboxBothGlasses.glass90R = true;
        VehicleChoices noGlass;
        noGlass.glass20k = false;
        QTest::newRow("rising TPS, manual, 20k; bit 5 carried")
            << true << defaults << 0x7F << QStringList{"7d", "79", "78", "70", "30", "0b 20", "0b a0"} << 0xA0;
        QTest::newRow("falling TPS, automatic, 90R")
            << false << automatic90R << 0x80 << QStringList{"80", "80", "81", "81", "81", "0b 91", "0b 11"} << 0x11;
        QTest::newRow("no gearbox ticked sends no bit 4; both glasses set then clear bit 7")
            << true << neitherGearboxBothGlasses << 0x10 << QStringList{"10", "10", "10", "10", "10", "", "0b 90 0b 10"}
            << 0x10;
        QTest::newRow("no glass ticked sends no bit 7")
            << true << noGlass << 0x80 << QStringList{"80", "80", "80", "80", "80", "0b 80", ""} << 0x80;
    }
    void adaptationSet()
    {
        QFETCH(bool, rising);
        QFETCH(VehicleChoices, vehicle);
        QFETCH(int, flagsBefore);
        QFETCH(QStringList, parts);
        AdaptationState state = measured();
        state.TpsRising = rising ? 1 : 0;
        quint8 flags = quint8(flagsBefore);
        QString expected = QString("close open 1e 01 0b %1 0f 1b 08 80 07 07 fa 14 25 02 0b %2 16 80 02 19 05 0b %3 "
                                   "15 18 00 0b %4 0b %5 1b 00 20 16 ee 1c 08 cf %6 17 eb 18 00 0a %7 "
                                   "12 f5 37 13 9b 06 c3 00 86 01 0a close open");
        for (const QString &part : parts)
            expected = expected.arg(part);
        QCOMPARE(writeSet(state, vehicle, &flags).simplified(), expected.simplified());
        QTEST(int(flags), "flagsAfter");
    }

    // The probe range by the calibrated rich level; between 84 and 128 the
    // command is left out and the write goes on with the flag byte.
    void probeRange_data()
    {
        QTest::addColumn<int>("probeRich");
        QTest::addColumn<QString>("start");
        QTest::newRow("60: 0-1 V") << 60 << "close open 1e 01 0b";
        QTest::newRow("61: 0.8-1.6 V") << 61 << "close open 1e 02 0b";
        QTest::newRow("83: 0.8-1.6 V") << 83 << "close open 1e 02 0b";
        QTest::newRow("84: not sent") << 84 << "close open 0b";
        QTest::newRow("100: not sent") << 100 << "close open 0b";
        QTest::newRow("128: not sent") << 128 << "close open 0b";
        QTest::newRow("129: 0-5 V") << 129 << "close open 1e 00 0b";
        QTest::newRow("0: 0-1 V") << 0 << "close open 1e 01 0b";
    }
    void probeRange()
    {
        QFETCH(int, probeRich);
        QFETCH(QString, start);
        AdaptationState state = measured();
        state.ProbeRich = probeRich;
        quint8 flags = 0;
        QVERIFY(writeSet(state, VehicleChoices(), &flags).startsWith(start + ' '));
    }

    // PeriodForRpm per ignition type: the speeds the adaptation writes.
    void periodForRpm_data()
    {
        QTest::addColumn<int>("constant");
        QTest::addColumn<int>("at2000");
        QTest::addColumn<int>("at7000");
        QTest::addColumn<int>("at1500");
        QTest::newRow("19200") << 19200 << 7680 << 2194 << 10240;
        QTest::newRow("9600") << 9600 << 3840 << 1097 << 5120;
        QTest::newRow("4800") << 4800 << 1920 << 549 << 2560;
        QTest::newRow("4000") << 4000 << 1600 << 457 << 2133;
        QTest::newRow("3200") << 3200 << 1280 << 366 << 1707;
        QTest::newRow("2400") << 2400 << 960 << 274 << 1280;
    }
    void periodForRpm()
    {
        QFETCH(int, constant);
        QFETCH(int, at2000);
        QFETCH(int, at7000);
        QFETCH(int, at1500);
        QCOMPARE(codec::periodForRpm(2000, constant), at2000);
        QCOMPARE(codec::periodForRpm(7000, constant), at7000);
        QCOMPARE(codec::periodForRpm(1500, constant), at1500);

        // Commands 8, 20, 22 and 24 carry them low byte first.
        const auto word = [](int v) { return QString::asprintf("%02x %02x", v & 0xFF, v >> 8); };
        quint8 flags = 0;
        const QString line = writeSet(measured(), VehicleChoices(), &flags, constant);
        QVERIFY2(line.contains(" 08 " + word(at2000) + " 07 "), qPrintable(line));
        QVERIFY2(line.contains(" 14 " + word(at7000) + " 0b "), qPrintable(line));
        QVERIFY2(line.contains(" 16 " + word(at1500 - at2000) + " 19 05 "), qPrintable(line));
        QVERIFY2(line.contains(" 18 " + word(at1500) + " 0b "), qPrintable(line));
    }

    void lambdaTicks_data()
    {
        QTest::addColumn<int>("rich");
        QTest::addColumn<int>("lean");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("800 and 800") << 800 << 800 << 195 << 390;
        QTest::newRow("sum 4500 falls back to 700 and 1400") << 3000 << 1500 << 171 << 342;
        QTest::newRow("sum exactly 4000 is kept") << 2000 << 2000 << 488 << 976;
        QTest::newRow("rich 4001 alone falls back") << 4001 << 0 << 171 << 342;
        QTest::newRow("rich exactly 4000 is kept") << 4000 << 0 << 976 << 976;
        QTest::newRow("the sum wraps at 16 bits") << 100 << 65500 << 24 << 16;
        QTest::newRow("a negative time is a large one") << -1 << 0 << 171 << 342;
        QTest::newRow("nothing measured") << 0 << 0 << 0 << 0;
    }
    void lambdaTicks()
    {
        QFETCH(int, rich);
        QFETCH(int, lean);
        const LambdaTickPair ticks = adaptationLambdaTicks(rich, lean);
        QTEST(ticks.rich, "first");
        QTEST(ticks.sum, "second");
    }

    // %1 stepper opening, %2 the flag byte sent twice.
    void finalAdaptation_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("sensorOn");
        QTest::addColumn<VehicleChoices>("vehicle");
        QTest::addColumn<int>("flagsBefore");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("sensorAfter");
        const VehicleChoices metal;
        VehicleChoices plasticLarge;
        plasticLarge.metalIntake = false;
        plasticLarge.plasticIntake = true;
        plasticLarge.capacity = EngineCapacity::Above3L;
        VehicleChoices metalSmall;
        metalSmall.capacity = EngineCapacity::Below1L;
        VehicleChoices noIntake;
        noIntake.metalIntake = false;
        QTest::newRow("metal 1.5 - 2 L, sensor on") << 8 << 1 << metal << 0x81 << "05" << "89" << 1;
        QTest::newRow("sensor off clears bit 3") << 8 << 0 << metal << 0xFF << "05" << "f7" << 0;
        QTest::newRow("version 3 has no sensor") << 3 << 1 << metal << 0x08 << "05" << "00" << 0;
        QTest::newRow("plastic > 3 L") << 8 << 0 << plasticLarge << 0x00 << "0b" << "00" << 0;
        QTest::newRow("metal < 1 L") << 8 << 0 << metalSmall << 0x00 << "02" << "00" << 0;
        QTest::newRow("no intake ticked") << 8 << 0 << noIntake << 0x00 << "00" << "00" << 0;
    }
    void finalAdaptation()
    {
        QFETCH(int, version);
        QFETCH(int, sensorOn);
        QFETCH(VehicleChoices, vehicle);
        QFETCH(int, flagsBefore);
        QFETCH(QString, opening);
        QFETCH(QString, flags);
        AdaptationState state = measured();
        state.TpsThresholdToWrite = state.TpsThreshold;
        quint8 held = quint8(flagsBefore);
        quint8 tempSensorOn = quint8(sensorOn);
        WriteRecorder r;
        writeFinalAdaptation(state, vehicle, tempSensorOn, {4800, version, &held}, r);
        QCOMPARE(r.line(), QString("close open 07 1b 12 f5 37 13 9b 06 c3 00 86 01 1b %1 0b %2 0b %2 0a close open")
                                   .arg(opening, flags));
        QCOMPARE(held, quint8(flags.toInt(nullptr, 16)));
        QTEST(int(tempSensorOn), "sensorAfter");
    }
};

QTEST_GUILESS_MAIN(TestAdaptWrites)
#include "tst_adapt_writes.moc"
