// The write of the whole parameter set: the bytes, their order, the pauses
// and the messages, recorded without a port.
#include "ParameterSet.h"
#include "ParameterWrite.h"
#include "ResetValues.h"
#include "WriteRecorder.h"

#include <QtTest>

using namespace qx;

namespace {

QString write(ParameterSet &p, quint8 *flags, int version = 8, WriteRecorder *recorder = nullptr)
{
    WriteRecorder local;
    WriteRecorder &r = recorder ? *recorder : local;
    writeAllParameters(p, {4800, version, flags}, r);
    return r.bytes();
}

} // namespace

class TestParamsWrite : public QObject
{
    Q_OBJECT

private slots:
    void defaultsGoOutAsTheControllerExpects()
    {
        ParameterSet p = resetParameterSet();
        quint8 flags = 0x20; // a bit nobody owns survives
        WriteRecorder r;
        write(p, &flags, 8, &r);
        QCOMPARE(r.bytes(), QString("aa 1e 01 0b %1 0f 19 08 80 07 07 19 14 25 02 0b %1 16 80 02 12 f5 37 13 9b "
                                    "06 7a 00 f4 00 1a 7a 00 f4 00 19 05 0b %1 17 e1 18 00 0a 1b 1e 0b %1 "
                                    "20 bc e3 1c ae c4 15 18 00 0b %1 0b %1 0b %1 0b %1 05 6f aa 23 01 0a").arg("20"));
        QCOMPARE(r.events.count("|"), 29);
        QVERIFY(r.messages().isEmpty());
        QCOMPARE(r.events.first(), QStringLiteral("open"));
        QCOMPARE(r.events.last(), QStringLiteral("close"));
        // The threshold goes in a reopened port: close, open, then the second 0xAA.
        const int reopen = r.events.lastIndexOf("open");
        QCOMPARE(r.events.at(reopen - 1), QStringLiteral("close"));
        QCOMPARE(r.events.at(reopen + 1), QStringLiteral("aa"));
        QCOMPARE(flags, quint8(0x20));
    }

    void flagBytesFollowEachFlag()
    {
        ParameterSet p = resetParameterSet();
        p.setText(P::ProbeVariant, "4");
        p.setText(P::RpmKind, "1");
        p.setText(P::CutoffOn, "1");
        p.setText(P::TpsType, "1");
        p.setText(P::OperatingMode, "1");
        p.setText(P::ReserveSensorType, "0");
        p.TempSensorOn = 1;
        quint8 flags = 0;
        WriteRecorder r;
        write(p, &flags, 8, &r);
        const QStringList flagBytes = [&] {
            QStringList out;
            for (int i = 0; i + 1 < r.events.size(); ++i)
                if (r.events[i] == "0b")
                    out << r.events[i + 1];
            return out;
        }();
        // bit 1, then 2, 4, 0, 3 (twice), 6, 7.
        QCOMPARE(flagBytes, QStringList({"02", "06", "16", "17", "1f", "1f", "5f", "df"}));
        QVERIFY(r.bytes().startsWith("aa 1e 01 0b 02"));
        QCOMPARE(flags, quint8(0xDF));
    }

    void probeVariants_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("start");
        QTest::newRow("2: 0 - 5 V reversed") << "2" << "aa 1e 00 0b 02";
        QTest::newRow("4: 0 - 1 V reversed") << "4" << "aa 1e 01 0b 02";
        QTest::newRow("3: 0,8 - 1,6 V") << "3" << "aa 1e 02 0b 00";
        QTest::newRow("unknown: no range, bit cleared") << "7" << "aa 0b 00";
    }
    void probeVariants()
    {
        QFETCH(QString, variant);
        QFETCH(QString, start);
        ParameterSet p = resetParameterSet();
        p.setText(P::ProbeVariant, variant);
        quint8 flags = 0x02;
        const QString bytes = write(p, &flags);
        QVERIFY2(bytes.startsWith(start), qPrintable(bytes));
    }

    void checksWhileSending_data()
    {
        QTest::addColumn<Param>("param");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("missing");
        const QString range = "[Błąd: Prędkość w granicach 1...24]";
        const QString wrong = "[Błąd: Błędna dana]";
        QTest::newRow("speed not a number") << P::StepSpeedAboveTps << "abc" << QStringList{wrong, range} << "20 bc";
        QTest::newRow("speed 25") << P::StepSpeedBelowTps << "25" << QStringList{range} << "1c ";
        QTest::newRow("speed empty") << P::StepSpeedAboveTps << "" << QStringList{wrong, range} << "20 bc";
        QTest::newRow("switch delay 10001") << P::SwitchDelay << "10001" << QStringList{wrong} << "15 ";
        QTest::newRow("switch delay empty") << P::SwitchDelay << "" << QStringList{wrong} << "15 ";
        QTest::newRow("switching speed not a number") << P::SwitchRpm << "2k" << QStringList{wrong} << "08 80";
        QTest::newRow("threshold volts malformed") << P::LambdaThreshold << "0.5" << QStringList{wrong} << "0f 19";
        QTest::newRow("analog threshold free text") << P::AnalogThreshold << "ab" << QStringList{wrong} << "23 ";
        QTest::newRow("empty start position, quietly") << P::StepStart << "" << QStringList{} << "13 9b";
        QTest::newRow("lambda time not a number sends no zeros")
            << P::LambdaHighTime << "5oo" << QStringList{"[Błąd: Niepoprawne dane]"} << " 06 ";
    }
    void checksWhileSending()
    {
        QFETCH(Param, param);
        QFETCH(QString, value);
        QFETCH(QString, missing);
        ParameterSet p = resetParameterSet();
        p.setText(param, value);
        quint8 flags = 0;
        WriteRecorder r;
        const QString bytes = write(p, &flags, 8, &r);
        QTEST(r.messages(), "messages");
        QVERIFY2(!bytes.contains(missing), qPrintable(bytes));
        QVERIFY2(bytes.endsWith(" 0a"), "the block is always closed");
        QCOMPARE(r.events.last(), QStringLiteral("close"));
    }

    void lambdaTimesAboveTheLimit()
    {
        ParameterSet p = resetParameterSet();
        p.setText(P::LambdaLowTime, "3000");
        p.setText(P::LambdaHighTime, "1500");
        quint8 flags = 0;
        WriteRecorder r;
        const QString bytes = write(p, &flags, 8, &r);
        QCOMPARE(r.messages(),
                 QStringList{"[Errore: Dati fuori limiti   HIGH, LOW - 0...4000ms\nHIGH+LOW max 4000ms]"});
        QVERIFY(!bytes.contains(" 06 "));
        QVERIFY(bytes.contains("9b 1a 7a 00 f4 00")); // command 26 still follows the start position
    }

    // What one value puts into the write or keeps out of it.
    void valueInTheWrite_data()
    {
        QTest::addColumn<Param>("param");
        QTest::addColumn<QString>("value"); // empty: the reset value
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<bool>("sent");
        QTest::newRow("the delta of the example") << P::RpmDelta << "" << "16 80 02" << true;
        QTest::newRow("gas limit off") << P::MaxGasRpmOff << "1" << "14 01 00" << true;
        QTest::newRow("opening 2") << P::StepOpening << "2" << " 1b " << true;
        QTest::newRow("opening 50") << P::StepOpening << "50" << " 1b " << true;
        QTest::newRow("opening 1 is left out") << P::StepOpening << "1" << " 1b " << false;
        QTest::newRow("opening 51 is left out") << P::StepOpening << "51" << " 1b " << false;
        QTest::newRow("opening 258 is 2 modulo 256") << P::StepOpening << "258" << " 1b " << true;
    }
    void valueInTheWrite()
    {
        QFETCH(Param, param);
        QFETCH(QString, value);
        QFETCH(QString, bytes);
        ParameterSet p = resetParameterSet();
        if (!value.isEmpty())
            p.setText(param, value);
        quint8 flags = 0;
        QTEST(write(p, &flags).contains(bytes), "sent");
    }

    void versionThreeHasNoTemperatureSensor()
    {
        ParameterSet p = resetParameterSet();
        p.TempSensorOn = 1;
        quint8 flags = 0;
        QVERIFY(write(p, &flags, 3).contains("00 0b 00 0b 00 0b 00 05 6f"));
        QCOMPARE(int(p.TempSensorOn), 0);
        p.TempSensorOn = 1;
        QVERIFY(write(p, &flags, 4).contains("15 18 00 0b 08 0b 08"));
    }
};

QTEST_APPLESS_MAIN(TestParamsWrite)
#include "tst_params_write.moc"
