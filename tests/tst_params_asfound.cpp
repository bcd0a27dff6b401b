// As-found copies: the file made from a block is what the page would have
// saved after reading it, plus notes; copies are named by time, never
// overwrite one another, and old ones go only beyond the newest kept.
#include "AsFoundCopy.h"
#include "AsFoundFolder.h"
#include "AsFoundKeeper.h"
#include "BlockOnPage.h"
#include "ParameterFile.h"
#include "ParametersPage.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QComboBox>
#include <QtTest>

using namespace qx;

namespace {

const QDate Today(2026, 12, 7);

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// Ages in days of copies from the newest on: count copies, perDay of them a
// day, the first firstAge days old.
QList<int> copiesAged(int count, int firstAge, int perDay = 1)
{
    QList<int> ages;
    for (int i = 0; i < count; ++i)
        ages << firstAge + i / perDay;
    return ages;
}

QList<int> range(int from, int to)
{
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

} // namespace

class TestParamsAsFound : public QObject
{
    Q_OBJECT

    // The page's list sizes, which a read of a copy checks indices against.
    ParameterSet set;
    QComboBox threshold;
    std::unique_ptr<ParametersPage> page;

private slots:
    void initTestCase() { page = std::make_unique<ParametersPage>(set, &threshold); }

    void copyIsThePageFileAndNotes_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("threshold"); // empty: a controller without one
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QByteArray>("notes"); // after the "#raw:" line
        const QByteArray typical = hex(TypicalBlock);
        QTest::newRow("typical") << typical << "" << true << QByteArray("#ignition:2\r\n#switch-temperature:38\r\n");
        QTest::newRow("typical with the analog threshold")
            << typical << "3" << true << QByteArray("#ignition:2\r\n#threshold:3\r\n#switch-temperature:38\r\n");
        QTest::newRow("lambda times zero: Bosch") << blockBytes({{1, 0}, {3, 0}}, typical) << "" << true
                                                  << QByteArray("#ignition:2\r\n#switch-temperature:38\r\n");
        QTest::newRow("flags 0x88: sensor on, reserve type 0")
            << blockBytes({{8, 0x88}}, typical) << "12" << true
            << QByteArray("#ignition:2\r\n#threshold:12\r\n#switch-temperature:38\r\n");
        QTest::newRow("unknown ignition 7") << blockBytes({{0, 0x6f}, {32, 7}}, typical) << "" << true
                                            << QByteArray("#ignition:7\r\n#switch-temperature:0\r\n");
        QTest::newRow("ignition 258 is a filled block") << blockBytes({{33, 1}}, typical) << "" << true
                                                        << QByteArray("#ignition:258\r\n#switch-temperature:38\r\n");
        QTest::newRow("ignition 257: never configured")
            << blockBytes({{32, 1}, {33, 1}}, typical) << "" << false << QByteArray("#ignition:257\r\n");
        QTest::newRow("ignition 257 with the analog threshold")
            << blockBytes({{32, 1}, {33, 1}}) << "3" << false << QByteArray("#ignition:257\r\n#threshold:3\r\n");
    }
    void copyIsThePageFileAndNotes()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, threshold);
        QFETCH(bool, filled);
        QFETCH(QByteArray, notes);
        QCOMPARE(block.size(), 37);

        AsFoundBlock found{block, 8, std::nullopt};
        if (!threshold.isEmpty())
            found.analogThreshold = threshold;
        const QByteArray copy = asFoundFileBytes(found);
        const PageAfterRead read = pageAfterRead(block);
        const QByteArray values = filled ? read.file : QByteArray();
        QCOMPARE(copy, values + "#raw:" + block.toHex(' ') + "\r\n" + notes);

        // Any loader takes it: nothing refused, no stray short lines.
        const ParameterFileReading reading =
            readParameterFile(copy, [this](Param param) { return page->listEntries(param); });
        QCOMPARE(reading.refusedLine, std::nullopt);
        QCOMPARE(reading.shortLines, 0);
        QCOMPARE(reading.values.size(), filled ? 26 : 0);
        QCOMPARE(asFoundSwitchTemperature(copy).value_or("none"), filled ? read.switchTemperature : "none");
    }

    void switchTemperatureNote_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("degrees"); // "none" when the note gives nothing
        QTest::newRow("CR LF") << QByteArray("126:0\r\n#raw:00\r\n#switch-temperature:38\r\n") << "38";
        QTest::newRow("LF") << QByteArray("126:0\n#raw:00\n#switch-temperature:38\n") << "38";
        QTest::newRow("last line without its end") << QByteArray("#ignition:2\r\n#switch-temperature:7") << "7";
        QTest::newRow("0 is the lowest") << QByteArray("#switch-temperature:0\r\n") << "0";
        QTest::newRow("100 is the highest") << QByteArray("#switch-temperature:100\r\n") << "100";
        QTest::newRow("absent") << QByteArray("102:2500\r\n#raw:00\r\n#ignition:2\r\n") << "none";
        QTest::newRow("an ordinary parameter file") << pageAfterRead(hex(TypicalBlock)).file << "none";
        QTest::newRow("empty value") << QByteArray("#switch-temperature:\r\n") << "none";
        QTest::newRow("junk") << QByteArray("#switch-temperature:3a\r\n") << "none";
        QTest::newRow("101 out of range") << QByteArray("#switch-temperature:101\r\n") << "none";
        QTest::newRow("below 0") << QByteArray("#switch-temperature:-2\r\n") << "none";
        QTest::newRow("the lowest byte's -222") << QByteArray("#switch-temperature:-222\r\n") << "none";
        QTest::newRow("not at the start of its line") << QByteArray("# #switch-temperature:38\r\n") << "none";
    }
    void switchTemperatureNote()
    {
        QFETCH(QByteArray, file);
        QTEST(asFoundSwitchTemperature(file).value_or("none"), "degrees");
    }

    void names_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("name");
        QTest::newRow("morning") << QDateTime(QDate(2026, 12, 7), QTime(10, 41, 3)) << 8
                                 << "2026-12-07_10-41-03_v8.qx4";
        QTest::newRow("midnight, two-digit version") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << 12
                                                     << "2027-01-01_00-00-00_v12.qx4";
        QTest::newRow("evening on the 24-hour clock") << QDateTime(QDate(2026, 3, 9), QTime(23, 5, 9)) << 4
                                                      << "2026-03-09_23-05-09_v4.qx4";
    }
    void names()
    {
        QFETCH(QDateTime, when);
        QFETCH(int, version);
        QTEST(AsFoundFolder::fileName(when, version), "name");
    }

    void aTakenNameGetsANumberAndNothingIsOverwritten()
    {
        QTemporaryDir dir;
        const AsFoundFolder folder(dir.filePath("as-found"));
        const QDateTime when(Today, QTime(10, 41, 3));
        QStringList saved;
        for (const QByteArray &bytes : {QByteArray("first"), QByteArray("second"), QByteArray("third")}) {
            QString error;
            saved << folder.save(bytes, when, 8, &error);
            QCOMPARE(error, QString());
        }
        QCOMPARE(saved, (QStringList{dir.filePath("as-found/2026-12-07_10-41-03_v8.qx4"),
                                     dir.filePath("as-found/2026-12-07_10-41-03_v8_2.qx4"),
                                     dir.filePath("as-found/2026-12-07_10-41-03_v8_3.qx4")}));
        QCOMPARE(fileBytes(saved[0]), QByteArray("first"));
        QCOMPARE(fileBytes(saved[1]), QByteArray("second"));
        QCOMPARE(fileBytes(saved[2]), QByteArray("third"));
        QCOMPARE(entries(folder.path()).size(), 3);
    }

    void aFolderThatCannotBeMadeSaysWhereAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("blocker"); // a regular file in the way
        QTest::addColumn<QString>("folder");
        QTest::newRow("the folder's name is a file") << "as-found" << "as-found";
        QTest::newRow("a file above the folder") << "data" << "data/as-found";
    }
    void aFolderThatCannotBeMadeSaysWhereAndLeavesNothing()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        createFile(dir.filePath(blocker), "mine");
        QString error;
        QCOMPARE(AsFoundFolder(dir.filePath(folder)).save("copy", QDateTime(Today, QTime(9, 0)), 8, &error), QString());
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(dir.filePath(folder)) + ": "), qPrintable(error));
        QCOMPARE(entries(dir.path()), QStringList{blocker});
        QCOMPARE(fileBytes(dir.filePath(blocker)), QByteArray("mine"));
    }

    void oldCopiesGoOnlyBeyondTheNewest_data()
    {
        QTest::addColumn<QList<int>>("ages");    // days before today, newest copy first
        QTest::addColumn<QList<int>>("removed"); // indices into ages
        QTest::newRow("205 old: the 200 newest stay") << copiesAged(205, 30) << range(200, 204);
        QTest::newRow("205 young: all stay") << copiesAged(205, 0, 7) << QList<int>{};
        QTest::newRow("190 young and 20 old: the 200 newest stay")
            << copiesAged(190, 0, 7) + copiesAged(20, 40) << range(200, 209);
        QTest::newRow("beyond the newest 200: 29 days stays, 30 goes")
            << copiesAged(200, 0, 200) + QList<int>{29, 30} << QList<int>{201};
        QTest::newRow("200 old: none goes") << copiesAged(200, 400) << QList<int>{};
        QTest::newRow("a copy dated in the future stays") << copiesAged(1, -3) + copiesAged(200, 40) << QList<int>{200};
    }
    void oldCopiesGoOnlyBeyondTheNewest()
    {
        QFETCH(QList<int>, ages);
        QFETCH(QList<int>, removed);
        QTemporaryDir dir;
        const AsFoundFolder folder(dir.path());
        QStringList copies;
        for (int i = 0; i < ages.size(); ++i) {
            copies << AsFoundFolder::fileName(QDateTime(Today.addDays(-ages[i]), QTime(23, 59, 59).addSecs(-i)), 8);
            createFile(dir.filePath(copies.last()), "copy");
        }
        // Files the folder may hold that are not copies, however old they look.
        const QStringList others{"notes.txt", "car.qx4", "2020-01-01_10-00-00.qx4", "2020-01-01_10-00-00_v8.qx4.bak",
                                 "2020-01-01_10-00-00_v8_x.qx4", "2020-01-01_10-00-00_v8.txt"};
        for (const QString &name : others)
            createFile(dir.filePath(name), "mine");
        QVERIFY(QDir(dir.path()).mkdir("2020-01-01_10-00-00_v9.qx4"));

        folder.prune(Today);

        QStringList kept;
        for (int i = 0; i < copies.size(); ++i)
            if (!removed.contains(i))
                kept << copies[i];
        QStringList expected = kept + others + QStringList{"2020-01-01_10-00-00_v9.qx4"};
        expected.sort();
        QCOMPARE(entries(dir.path()), expected);
    }

    void savingLetsOldCopiesGo()
    {
        QTemporaryDir dir;
        const AsFoundFolder folder(dir.path());
        for (int i = 0; i < AsFoundFolder::KeptNewest; ++i)
            createFile(dir.filePath(AsFoundFolder::fileName(QDateTime(Today.addDays(-40 - i), QTime(8, 0)), 8)), "old");
        QString error;
        const QString saved = folder.save("new", QDateTime(Today, QTime(9, 0)), 8, &error);
        QCOMPARE(error, QString());
        const QStringList left = entries(dir.path());
        QCOMPARE(left.size(), AsFoundFolder::KeptNewest);
        QVERIFY(left.contains(QFileInfo(saved).fileName()));
        QVERIFY(!left.contains(AsFoundFolder::fileName(QDateTime(Today.addDays(-239), QTime(8, 0)), 8)));
    }

    void keeperSavesOncePerArming()
    {
        QTemporaryDir dir;
        AsFoundKeeper keeper(AsFoundFolder(dir.filePath("as-found")));
        const AsFoundBlock found{hex(TypicalBlock), 8, std::nullopt};
        const QDateTime when(Today, QTime(10, 41, 3));
        QVERIFY(keeper.armed());
        QCOMPARE(keeper.keep(found, when), QString());
        QVERIFY(!keeper.armed());
        QCOMPARE(keeper.keep(found, when), QString());
        QCOMPARE(entries(keeper.folder().path()), QStringList{"2026-12-07_10-41-03_v8.qx4"});

        keeper.arm();
        QCOMPARE(keeper.keep(found, when), QString());
        QCOMPARE(entries(keeper.folder().path()),
                 (QStringList{"2026-12-07_10-41-03_v8.qx4", "2026-12-07_10-41-03_v8_2.qx4"}));
        QCOMPARE(fileBytes(dir.filePath("as-found/2026-12-07_10-41-03_v8_2.qx4")), asFoundFileBytes(found));
    }

    void keeperDisarmsAfterAFailure()
    {
        QTemporaryDir dir;
        createFile(dir.filePath("as-found"), "mine");
        AsFoundKeeper keeper(AsFoundFolder(dir.filePath("as-found")));
        const AsFoundBlock found{hex(TypicalBlock), 8, std::nullopt};
        const QString error = keeper.keep(found);
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(dir.filePath("as-found"))), qPrintable(error));
        QVERIFY(!keeper.armed());
        QCOMPARE(keeper.keep(found), QString());
        keeper.arm();
        QCOMPARE(keeper.keep(found), error);
        QCOMPARE(entries(dir.path()), QStringList{"as-found"});
    }
};

QTEST_MAIN(TestParamsAsFound)
#include "tst_params_asfound.moc"
