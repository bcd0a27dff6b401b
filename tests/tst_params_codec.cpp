// Parameter encodings and the decoding of the parameter block: one row per case.
#include "ParameterBlock.h"
#include "ParameterCodec.h"
#include "ParameterSet.h"
#include "ProtocolTables.h"
#include "ReplyBuffer.h"
#include "ResetValues.h"
#include "TestBytes.h"

#include <QtTest>

using namespace qx;

namespace {

ReplyBuffer replyOf(const QByteArray &block)
{
    ReplyBuffer reply;
    reply.store(block);
    reply.DecodeReply(37);
    return reply;
}

// A zero block of "4 cylindry" with the bytes given.
ReplyBuffer blockWith(std::initializer_list<std::pair<int, int>> bytes)
{
    return replyOf(blockBytes(bytes, blockBytes({{32, 2}})));
}

} // namespace

class TestParamsCodec : public QObject
{
    Q_OBJECT

private slots:
    void volts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hundredths"); // -1: not a volts text
        for (const auto &[text, hundredths] : {std::pair{"0,50", 50}, {"9,9", 990}, {"1,25", 125}, {"0,05", 5}})
            QTest::newRow(text) << text << hundredths;
        // A point, no comma, nothing, three decimals, letters.
        for (const char *text : {"1.25", "12", "", "1,255", "a,bc"})
            QTest::addRow("not volts: \"%s\"", text) << text << -1;
    }
    void volts()
    {
        QFETCH(QString, text);
        const auto h = codec::hundredthsFromVolts(text);
        QTEST(h.value_or(-1), "hundredths");
    }

    void voltsTexts()
    {
        QCOMPARE(codec::voltsText(5), QStringLiteral("0,05"));
        QCOMPARE(codec::voltsText(50), QStringLiteral("0,50"));
        QCOMPARE(codec::voltsText(125), QStringLiteral("1,25"));
        QCOMPARE(codec::voltsText(0), QStringLiteral("0,00"));
    }

    void lambdaThreshold_data()
    {
        QTest::addColumn<QString>("volts");
        QTest::addColumn<int>("byte");
        // Halfway between two bytes first.
        for (const auto &[volts, byte] : {std::pair{"0,50", 25}, {"1,50", 76}, {"2,50", 127}, {"3,50", 178},
                                          {"4,50", 230}, {"0,10", 5}, {"4,90", 250}, {"1,00", 51}})
            QTest::newRow(volts) << volts << byte;
    }
    void lambdaThreshold()
    {
        QFETCH(QString, volts);
        QTEST(codec::encodeLambdaThreshold(volts).value_or(-1), "byte");
    }

    void lambdaThresholdDecode_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("volts");
        QTest::newRow("25 gives 0,50") << 25 << "0,50";
        QTest::newRow("0") << 0 << "0,00";
        QTest::newRow("255") << 255 << "5,00";
        QTest::newRow("51") << 51 << "1,00";
        QTest::newRow("76") << 76 << "1,50";
    }
    void lambdaThresholdDecode()
    {
        QFETCH(int, byte);
        QTEST(codec::decodeLambdaThreshold(byte), "volts");
    }

    void tps()
    {
        QCOMPARE(codec::encodeTpsThreshold("1,25").value_or(-1), 25);
        QCOMPARE(codec::encodeTpsThreshold("9,9").value_or(-1), 198);
        QCOMPARE(codec::encodeTpsThreshold("0,0").value_or(-1), 0);
        QCOMPARE(codec::decodeTpsThreshold(25), QStringLiteral("1,25"));
        QCOMPARE(codec::decodeTpsThreshold(198), QStringLiteral("9,90"));
        QCOMPARE(codec::decodeTpsThreshold(240), QStringLiteral("9,95"));
    }

    void rpm_data()
    {
        QTest::addColumn<int>("constant");
        QTest::addColumn<QString>("rpm");
        QTest::addColumn<int>("period"); // -1: nothing sent
        QTest::newRow("2000 at 4800") << 4800 << "2000" << 1920;
        QTest::newRow("7000 at 4800") << 4800 << "7000" << 549;
        QTest::newRow("1500 at 4800") << 4800 << "1500" << 2560;
        QTest::newRow("7000 at 19200") << 19200 << "7000" << 2194;
        QTest::newRow("1500 at 4000") << 4000 << "1500" << 2133;
        QTest::newRow("1500 at 3200") << 3200 << "1500" << 1707;
        QTest::newRow("7000 at 2400") << 2400 << "7000" << 274;
        QTest::newRow("zero is no speed") << 4800 << "0" << -1;
        QTest::newRow("not a number") << 4800 << "2o00" << -1;
        QTest::newRow("100 wraps to 16 bits") << 19200 << "100" << (153600 & 0xFFFF);
    }
    void rpm()
    {
        QFETCH(int, constant);
        QFETCH(QString, rpm);
        QTEST(codec::encodeRpm(rpm, constant).value_or(-1), "period");
    }

    void rpmDecode_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("constant");
        QTest::addColumn<QString>("switchRpm");
        QTest::addColumn<QString>("cutoffRpm");
        QTest::newRow("1920 at 4800") << 1920 << 4800 << "2000" << "2000";
        QTest::newRow("2560 at 4800") << 2560 << 4800 << "1500" << "1500";
        QTest::newRow("0 counts as 1") << 0 << 4800 << "5000" << "2000";
        QTest::newRow("too slow") << 60000 << 4800 << "5000" << "2000";
        QTest::newRow("hundreds round to even") << 1908 << 4800 << "2000" << "2000";
    }
    void rpmDecode()
    {
        QFETCH(int, raw);
        QFETCH(int, constant);
        QTEST(codec::decodeSwitchRpm(raw, constant), "switchRpm");
        QTEST(codec::decodeCutoffRpm(raw, constant), "cutoffRpm");
    }

    void maxGasRpm()
    {
        const auto off = codec::decodeMaxGasRpm(1, 4800);
        QCOMPARE(off.text, QStringLiteral("5000"));
        QCOMPARE(off.off, QStringLiteral("1"));
        const auto zero = codec::decodeMaxGasRpm(0, 4800); // counts as 2: far too fast
        QCOMPARE(zero.text, QStringLiteral("5000"));
        QCOMPARE(zero.off, QStringLiteral("0"));
        QCOMPARE(codec::decodeMaxGasRpm(549, 4800).text, QStringLiteral("7000"));
        QCOMPARE(codec::encodeMaxGasRpm("7000", "1", 4800).value_or(-1), 1);
        QCOMPARE(codec::encodeMaxGasRpm("7000", "0", 4800).value_or(-1), 549);
    }

    void rpmDelta_data()
    {
        QTest::addColumn<QString>("delta");
        QTest::addColumn<QString>("switchRpm");
        QTest::addColumn<int>("value");
        QTest::newRow("500 below 2000") << "500" << "2000" << 640;
        QTest::newRow("no delta") << "0" << "2000" << 0;
        QTest::newRow("delta equal to the speed") << "2000" << "2000" << ((3840000 - 1920) & 0xFFFF);
        QTest::newRow("not a number") << "5x" << "2000" << -1;
    }
    void rpmDelta()
    {
        QFETCH(QString, delta);
        QFETCH(QString, switchRpm);
        QTEST(codec::encodeRpmDelta(delta, switchRpm, 4800).value_or(-1), "value");
    }

    void rpmDeltaDecode()
    {
        QCOMPARE(codec::decodeRpmDelta(640, "2000", 4800), QStringLiteral("500"));
        QCOMPARE(codec::decodeRpmDelta(0, "2000", 4800), QStringLiteral("0"));
        QCOMPARE(codec::decodeRpmDelta(60000, "2000", 4800), QStringLiteral("1900"));
        QCOMPARE(codec::decodeRpmDelta(640, "0", 4800), QStringLiteral("500"));
    }

    void stepSpeed_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("value");
        // -1: out of range, 25 too fast.
        for (const auto &[speed, value] : {std::pair{6, 50350}, {3, 58300}, {1, 63600}, {24, 2650}, {25, -1}, {0, -1}})
            QTest::addRow("%d", speed) << speed << value;
    }
    void stepSpeed()
    {
        QFETCH(int, speed);
        QFETCH(int, value);
        QCOMPARE(codec::encodeStepSpeed(speed).value_or(-1), value);
        if (value > 0)
            QCOMPARE(codec::decodeStepSpeed(value), QString::number(speed));
    }

    void stepSpeedFallback()
    {
        QCOMPARE(codec::decodeStepSpeed(0), QStringLiteral("3")); // 25 is out of range
        QCOMPARE(codec::decodeStepSpeed(65535), QStringLiteral("3"));
    }

    // Milliseconds in the controller's units: the lambda times' ticks and the
    // switch delay's units.
    void timeUnits_data()
    {
        QTest::addColumn<bool>("lambda"); // else the switch delay
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("units");
        // Halfway between two units first: every 250 ms from 125 for the lambda
        // times, every 512 ms from 256 for the switch delay.
        const int lambda[][2] = {{125, 30}, {375, 91}, {625, 152}, {875, 213}, {1125, 274}, {1375, 335}, {1625, 396},
                                 {1875, 457}, {2125, 518}, {2375, 580}, {2625, 640}, {2875, 701}, {3125, 762},
                                 {3375, 823}, {3625, 884}, {3875, 945}, {500, 122}, {1000, 244}, {700, 171},
                                 {1400, 342}};
        for (const auto &row : lambda)
            QTest::addRow("lambda %d ms", row[0]) << true << row[0] << row[1];
        const int delay[][2] = {{256, 62}, {768, 188}, {1280, 313}, {1792, 437}, {2304, 563}, {2816, 687}, {3328, 813},
                                {3840, 938}, {4352, 1062}, {4864, 1188}, {5376, 1312}, {5888, 1437}, {6400, 1563},
                                {6912, 1687}, {7424, 1812}, {7936, 1938}, {8448, 2063}, {8960, 2188}, {9472, 2312},
                                {9984, 2437}, {100, 24}, {10000, 2441}};
        for (const auto &row : delay)
            QTest::addRow("switch delay %d ms", row[0]) << false << row[0] << row[1];
    }
    void timeUnits()
    {
        QFETCH(bool, lambda);
        QFETCH(int, milliseconds);
        QTEST(lambda ? codec::lambdaTicks(milliseconds) : codec::switchDelayUnits(milliseconds), "units");
    }

    void lambdaTimesDecode_data()
    {
        QTest::addColumn<int>("lowEnd");
        QTest::addColumn<int>("highEnd");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::newRow("500 and 500") << 122 << 244 << "500" << "500";
        QTest::newRow("zeros") << 0 << 0 << "0" << "0";
        QTest::newRow("low beyond 4000") << 1000 << 1100 << "500" << "400";
        QTest::newRow("high negative") << 244 << 0 << "1000" << "500";
    }
    void lambdaTimesDecode()
    {
        QFETCH(int, lowEnd);
        QFETCH(int, highEnd);
        const auto times = codec::decodeLambdaTimes(lowEnd, highEnd);
        QTEST(times.low, "low");
        QTEST(times.high, "high");
    }

    void switchDelayDecode()
    {
        QCOMPARE(codec::decodeSwitchDelay(24), QStringLiteral("100"));
        QCOMPARE(codec::decodeSwitchDelay(0), QStringLiteral("1000"));
        QCOMPARE(codec::decodeSwitchDelay(2441), QStringLiteral("10000"));
        QCOMPARE(codec::decodeSwitchDelay(65535), QStringLiteral("1000"));
    }

    void smallValues()
    {
        QCOMPARE(codec::encodeSwitchTemperature("25").value_or(-1), 124);
        QCOMPARE(codec::encodeSwitchTemperature("0").value_or(-1), 111);
        QCOMPARE(codec::decodeSwitchTemperature(124), QStringLiteral("26"));
        QCOMPARE(codec::encodeInverted("10").value_or(-1), 245);
        QCOMPARE(codec::encodeInverted("200").value_or(-1), 55);
        QCOMPARE(codec::decodeInverted(155), QStringLiteral("100"));
        QCOMPARE(codec::decodeStartDelay(5), QStringLiteral("1"));
        QCOMPARE(codec::decodeStartDelay(13), QStringLiteral("3")); // 2.6
        QCOMPARE(codec::encodeStartDelay("1").value_or(-1), 5);
        QVERIFY(!codec::encodeStartDelay("1s"));
    }

    void probeVariant_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("range");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("0 - 1 V") << "0" << 1 << false;
        QTest::newRow("0 - 5 V") << "1" << 0 << false;
        QTest::newRow("5 - 0 V") << "2" << 0 << true;
        QTest::newRow("0,8 - 1,6 V") << "3" << 2 << false;
        QTest::newRow("1 - 0 V") << "4" << 1 << true;
    }
    void probeVariant()
    {
        QFETCH(QString, variant);
        const auto range = codec::encodeProbeVariant(variant);
        QVERIFY(range);
        QTEST(range->range, "range");
        QTEST(range->reversed, "reversed");
    }

    void badProbeVariant()
    {
        QVERIFY(!codec::encodeProbeVariant("5"));
        QVERIFY(!codec::encodeProbeVariant("-1"));
        QVERIFY(!codec::encodeProbeVariant(""));
    }

    void block_data()
    {
        QTest::addColumn<int>("b32");
        QTest::addColumn<int>("b33");
        QTest::addColumn<int>("constant");
        QTest::addColumn<int>("listIndex");
        QTest::newRow("5 cylinders") << 3 << 0 << 4000 << 3;
        QTest::newRow("unknown 7") << 7 << 0 << 4800 << 3;
        QTest::newRow("coil per cylinder") << 0 << 0 << 19200 << 0;
    }
    void block()
    {
        QFETCH(int, b32);
        QFETCH(int, b33);
        ParameterSet parameters;
        BlockFacts facts;
        QVERIFY(decodeParameterBlock(blockWith({{32, b32}, {33, b33}}), parameters, &facts));
        QTEST(facts.rpmConstant, "constant");
        QTEST(facts.ignitionListIndex, "listIndex");
    }

    void unfilledBlockChangesNothing()
    {
        ParameterSet parameters;
        parameters.setText(P::SwitchRpm, "2500");
        BlockFacts facts;
        QVERIFY(!decodeParameterBlock(blockWith({{32, 1}, {33, 1}, {6, 0x80}, {7, 7}}), parameters, &facts));
        QCOMPARE(parameters.text(P::SwitchRpm), QStringLiteral("2500"));
        QCOMPARE(facts.rpmConstant, 0);
    }

    void blockEdgeCases()
    {
        ParameterSet parameters;
        BlockFacts facts;
        QVERIFY(decodeParameterBlock(blockWith({{13, 1}, {14, 0}, {8, 0x88}, {31, 0}}), parameters, &facts));
        QCOMPARE(parameters.text(P::MaxGasRpm), QStringLiteral("5000"));
        QCOMPARE(parameters.text(P::MaxGasRpmOff), QStringLiteral("1"));
        QCOMPARE(parameters.text(P::LambdaLowTime), QStringLiteral("0"));
        QCOMPARE(parameters.text(P::LambdaHighTime), QStringLiteral("0"));
        QCOMPARE(parameters.text(P::BoschProbe), QStringLiteral("1"));
        QCOMPARE(parameters.text(P::SwitchRpm), QStringLiteral("5000")); // raw 0 at 4800
        QCOMPARE(parameters.text(P::ProbeVariant), QStringLiteral("1"));
        QVERIFY(facts.tempSensorOn);
        QCOMPARE(int(parameters.TempSensorOn), 1);
        QCOMPARE(parameters.text(P::ReserveSensorType), QStringLiteral("0"));
        for (Param flag : {P::TpsType, P::RpmKind, P::OperatingMode, P::CutoffOn})
            QCOMPARE(parameters.text(flag), QStringLiteral("0"));
        QCOMPARE(facts.flags, quint8(0x88));
    }

    void defaultBlockReadsAsTheDefaults()
    {
        // The reset values as the controller keeps them.
        const ReplyBuffer reply =
            replyOf(hex("6f7a00f400198007001" "9f5379b250218008002000ae1057a00f4001eaec4000102" "00bce300"));
        ParameterSet parameters;
        BlockFacts facts;
        QVERIFY(decodeParameterBlock(reply, parameters, &facts));
        for (const auto &[param, text] : resetValues()) {
            // The threshold and the sensor box are not in the block.
            if (!(param == P::AnalogThreshold) && !(param == P::TempSensorBox))
                QCOMPARE(parameters.text(param), text);
        }
    }

    // Each command of the catalogue splits the byte stream as the controller
    // does, and each value lies in the block apart from the ignition word.
    void catalogueAgreesWithTheProtocol()
    {
        for (const ParameterEntry &entry : parameterCatalogue()) {
            for (const WriteStep &step : entry.write.steps)
                if (step.kind == WriteStep::Value)
                    QCOMPARE(commandArgumentCount(step.command), step.bytes);
            const BlockPlace &place = entry.block;
            const int end = place.position + place.size;
            QVERIFY(place.position < 0 || (end <= 37 && (end <= 32 || place.position >= 34)));
        }
    }
};

QTEST_APPLESS_MAIN(TestParamsCodec)
#include "tst_params_codec.moc"
