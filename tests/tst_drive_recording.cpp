// The drive-recording file: what is written reads back the same, a file
// that is not a recording names its first bad line, and a failing disk ends
// the recording with a reason.
#include "DriveRecording.h"
#include "TestFiles.h"

#include <QtTest>

using namespace qxrec;

namespace {

const QByteArray Header = "quorvantix drive recording,1\ncontroller_version,8\nrpm_constant,4800\nprobe_variant,0\n"
                          "reserve_sensor,1\ntemperature_sensor,1\n"
                          "ms,frame,speed,lambda_volts,tps_volts,stepper,temperature,gas_level,fuel\n";
const QByteArray GoodPoll = "0,6432501400059BE800,850,\"0,50\",\"1,00\",100,45,75,Gaz\n";

} // namespace

class DriveRecordingTest : public QObject
{
    Q_OBJECT

private slots:
    void writtenRecordingReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("drive.csv"));
        // Texts with commas and quotes, as the Polish decimal comma gives them.
        const RecordingHeader header{5, 9600, QStringLiteral("4"), QStringLiteral("a,\"b\""), false};
        const QVector<RecordedPoll> polls = {
            {0, QByteArray::fromHex("6432500014059BE800"), {"850", "0,50", "1,00", "100", "", "75", "Gaz"}},
            {50, QByteArray(), {}},  // a poll without a reply
            {100, QByteArray::fromHex("FF00FF00FF00FFFD00"), {"", "5,00", "0,00", "0", "", "0", "Benzyna"}},
        };
        DriveRecordingWriter writer;
        QString error;
        QVERIFY2(writer.open(path, header, &error), qPrintable(error));
        for (const RecordedPoll &poll : polls)
            QVERIFY(writer.append(poll));
        QVERIFY(writer.close());
        QVERIFY(!writer.isOpen());

        QString message;
        const auto read = DriveRecording::load(path, &message);
        QVERIFY2(read, qPrintable(message));
        QVERIFY(read->header == header);
        QCOMPARE(read->polls.size(), polls.size());
        for (int i = 0; i < polls.size(); ++i)
            QVERIFY2(read->polls.at(i) == polls.at(i), qPrintable(QString::number(i)));
    }

    void badFileNamesItsFirstBadLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QByteArray otherFirstLine = Header;
        otherFirstLine.replace("recording,1", "recording,2");
        QByteArray badVersion = Header;
        badVersion.replace("controller_version,8", "controller_version,9");
        QByteArray missingKey = Header;
        missingKey.replace("rpm_constant,4800\n", "");
        QByteArray badSensor = Header;
        badSensor.replace("temperature_sensor,1", "temperature_sensor,yes");
        QByteArray badColumns = Header;
        badColumns.replace("fuel\n", "\n");
        QTest::newRow("empty file") << QByteArray() << 1 << "ends inside its header";
        QTest::newRow("a parameter file") << QByteArray("[Parametry]\r\n100=0\r\n") << 1 << "not a drive recording";
        QTest::newRow("newer format") << otherFirstLine << 1 << "not a drive recording";
        QTest::newRow("version out of range") << badVersion << 2 << "controller_version";
        QTest::newRow("header key missing") << missingKey << 3 << "rpm_constant";
        QTest::newRow("temperature not 0/1") << badSensor << 6 << "temperature_sensor";
        QTest::newRow("column line") << badColumns << 7 << "column line";
        QTest::newRow("header only, cut") << Header.left(Header.indexOf("probe")) << 4 << "ends inside its header";
        QTest::newRow("field missing") << Header + GoodPoll + "50,6432501400059BE800,850\n" << 9 << "3 fields";
        QTest::newRow("time goes back") << Header + GoodPoll.mid(0).replace(0, 1, "90") + GoodPoll << 9 << "bad time";
        QTest::newRow("time not a number") << Header + QByteArray(GoodPoll).replace(0, 1, "x") << 8 << "bad time";
        QTest::newRow("frame too short for v8") << Header + "0,64325014,,,,,,,\n" << 8 << "9 bytes";
        QTest::newRow("frame odd hex") << Header + "0,6432501400059BE80,,,,,,,\n" << 8 << "bad frame";
        QTest::newRow("frame not hex") << Header + "0,6432501400059BE8ZZ,,,,,,,\n" << 8 << "bad frame";
        QTest::newRow("unclosed quote") << Header + "0,,\"0,5,,,,,,\n" << 8 << "unclosed quote";
    }
    void badFileNamesItsFirstBadLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        int badLine = -1;
        QString why;
        QVERIFY(!DriveRecording::parse(text, &badLine, &why));
        QTEST(badLine, "line");
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void loadMessageNamesFileAndLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.csv"));
        createFile(path, Header + GoodPoll + "oops\r\n");
        QString message;
        QVERIFY(!DriveRecording::load(path, &message));
        QVERIFY2(message.startsWith(path + QStringLiteral(":9: ")), qPrintable(message));

        // CR LF line ends, as an editor on another system may leave them, read the same.
        int line = 0;
        QString why;
        QByteArray crlf = Header + GoodPoll;
        crlf.replace("\n", "\r\n");
        const auto read = DriveRecording::parse(crlf, &line, &why);
        QVERIFY2(read, qPrintable(why));
        QCOMPARE(read->polls.size(), 1);
        QCOMPARE(read->polls.constFirst().shown.lambdaVolts, QStringLiteral("0,50"));
    }

    void fullDiskEndsTheRecording()
    {
        if (!QFileInfo(QStringLiteral("/dev/full")).exists())
            QSKIP("no /dev/full here");
        DriveRecordingWriter writer;
        QString error;
        QVERIFY(writer.open(QStringLiteral("/dev/full"), RecordingHeader{8, 4800, "0", "1", true}, &error));
        const QByteArray frame = QByteArray::fromHex("6432501400059BE800");
        // Lines gather for a second of the drive before the disk sees them.
        qint64 ms = 0;
        while (writer.append({ms, frame, {}}) && ms < 2000)
            ms += 100;
        QCOMPARE(ms, 1000);
        const RecordedPoll poll{ms, frame, {}};
        QVERIFY(!writer.isOpen());
        QVERIFY(!writer.errorString().isEmpty());
        QVERIFY(!writer.append(poll));
        QVERIFY(!writer.close());
    }
};

QTEST_GUILESS_MAIN(DriveRecordingTest)
#include "tst_drive_recording.moc"
