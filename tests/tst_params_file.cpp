// Parameter files: the bytes written, what a read gives or refuses, saving and
// loading on disk, and the dialogs that pick the file.
#include "BlockOnPage.h"
#include "DialogRecorder.h"
#include "MessageBoxService.h"
#include "ParameterFile.h"
#include "ResetValues.h"
#include "TestFiles.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace qx;

namespace {

using Overrides = QList<QPair<Param, QString>>;

QByteArray writeSet(const ParameterSet &set)
{
    return writeParameterFile([&](Param p) { return set.text(p); });
}

ParameterFileReading read(const QByteArray &bytes)
{
    return readParameterFile(bytes, pageLists);
}

// The values a read gives as "code:value", in order.
QStringList valueLines(const ParameterFileReading &reading)
{
    QStringList lines;
    for (const ParameterFileValue &v : reading.values)
        lines << QString::number(v.code) + ':' + v.value;
    return lines;
}

// A file as a fitter's editor leaves it: CR LF, Polish comments in cp1250.
const QByteArray HandWritten = "#---Rodzaj sondy lambda: \xb3\xb9\x63zna\r\n100:3\r\n#---Pr\xf3g sondy \xa5\r\n"
                               "101:0,45\r\n102:2500\r\n108:2\r\n#---Wy\xb3\xb9\x63z\r\n117:1\r\n123:-1\r\n126:0\r\n";
const QStringList HandWrittenValues{"100:3", "101:0,45", "102:2500", "108:1", "117:1", "123:-1", "126:0"};

// Plays the user at whichever modal dialog is on top: types a name into the
// file dialog and accepts it, answers the replace question, and cancels a file
// dialog that stays open after that.
class DialogUser : public QObject
{
public:
    DialogUser(const QString &typed, bool replace) : typed_(typed), replace_(replace)
    {
        timer_.callOnTimeout(this, &DialogUser::act);
        timer_.start(5);
    }

    QStringList titles;
    QStringList folders;
    int questions = 0;

private:
    void act()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            ++questions;
            box->button(replace_ ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (titles.isEmpty() && name) {
                titles << dialog->windowTitle();
                folders << dialog->directory().absolutePath();
                name->setText(typed_);
                // Queued, so the replace question's own loop finds this timer free.
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            } else {
                dialog->reject();
            }
        }
    }

    QTimer timer_;
    QString typed_;
    bool replace_;
};

} // namespace

class TestParamsFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qx::useMessageBoxes(); }
    void resetValuesWriteTheReferenceFile()
    {
        const QByteArray reference = fileBytes(QStringLiteral(QX_TEST_DATA "/reset.qx4"));
        QCOMPARE(reference.size(), 820);
        QCOMPARE(writeSet(resetParameterSet()), reference);
    }

    void writeThenRead_data()
    {
        QTest::addColumn<Overrides>("overrides");
        QTest::newRow("reset values") << Overrides{};
        QTest::newRow("everything switched on")
            << Overrides{{P::ProbeVariant, "4"},  {P::TpsType, "1"},        {P::RpmKind, "1"},
                         {P::OperatingMode, "1"}, {P::ReserveSensorType, "1"}, {P::MaxGasRpmOff, "1"},
                         {P::CutoffOn, "1"},      {P::TempSensorBox, "1"},  {P::BoschProbe, "1"}};
        QTest::newRow("Bosch ticked") << Overrides{{P::BoschProbe, "1"}, {P::LambdaLowTime, "0"}, {P::LambdaHighTime, "0"}};
        QTest::newRow("lists without a selection")
            << Overrides{{P::ProbeVariant, "-1"}, {P::TpsType, "-1"}, {P::RpmKind, "-1"},
                         {P::OperatingMode, "-1"}, {P::ReserveSensorType, "-1"}};
        QTest::newRow("fields the leave checks have not seen")
            << Overrides{{P::SwitchRpm, "-0"}, {P::RpmDelta, "123456789"}, {P::LambdaThreshold, "12,345"},
                         {P::TpsThresholdVolts, "7"}};
    }
    void writeThenRead()
    {
        QFETCH(Overrides, overrides);
        ParameterSet written = resetParameterSet();
        for (const auto &[param, text] : overrides)
            written.setText(param, text);
        written.setText(P::SwitchTemperature, "25");
        written.setText(P::AnalogThreshold, "3");

        const ParameterFileReading reading = read(writeSet(written));
        QVERIFY(!reading.refusedLine);
        QCOMPARE(reading.shortLines, 0);
        QCOMPARE(reading.values.size(), 26);
        ParameterSet loaded;
        for (const ParameterFileValue &v : reading.values)
            loaded.setText(v.param, v.value);
        for (const auto &[param, reset] : resetValues()) {
            const bool stored = !(param == P::SwitchTemperature) && !(param == P::AnalogThreshold);
            QCOMPARE(loaded.text(param), stored ? written.text(param) : QStringLiteral("0"));
        }
    }

    // The reference file holds many equal values, so it cannot tell two of a kind apart.
    void eachCodeCarriesItsParameter_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Param>("param");
        const QList<QPair<int, Param>> carried{
            {100, P::ProbeVariant}, {101, P::LambdaThreshold}, {102, P::SwitchRpm}, {103, P::TpsType},
            {104, P::TpsThresholdVolts}, {105, P::StepSpeedAboveTps}, {106, P::StepSpeedBelowTps}, {107, P::MaxGasRpm},
            {108, P::MaxGasRpmOff}, {109, P::RpmKind}, {110, P::RpmDelta}, {111, P::StepMin}, {112, P::StepMax},
            {113, P::StepStart}, {114, P::StartDelay}, {115, P::LambdaLowTime}, {116, P::LambdaHighTime},
            {117, P::BoschProbe}, {118, P::CutoffOn}, {119, P::CutoffStepLevel}, {120, P::CutoffRpm},
            {121, P::StepOpening}, {122, P::SwitchDelay}, {123, P::OperatingMode}, {124, P::ReserveSensorType},
            {126, P::TempSensorBox}};
        for (const auto &[code, param] : carried)
            QTest::addRow("%d", code) << code << param;
    }
    void eachCodeCarriesItsParameter()
    {
        QFETCH(int, code);
        QFETCH(Param, param);
        const ParameterFileReading reading = read(QByteArray::number(code) + ":1");
        QCOMPARE(reading.values.size(), 1);
        QVERIFY(reading.values.first().param == param);
    }

    void writtenBytesStayAscii_data()
    {
        QTest::addColumn<QString>("switchRpm");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("Polish letter") << QString::fromUtf8("2ą00") << QByteArray("102:2?00\r\n");
        QTest::newRow("line feed") << "20\n00" << QByteArray("102:20?00\r\n");
        QTest::newRow("tab") << "\t2000" << QByteArray("102:?2000\r\n");
    }
    void writtenBytesStayAscii()
    {
        QFETCH(QString, switchRpm);
        QFETCH(QByteArray, line);
        ParameterSet set = resetParameterSet();
        set.setText(P::SwitchRpm, switchRpm);
        const QByteArray bytes = writeSet(set);
        QVERIFY2(bytes.contains(line), bytes.constData());
        QCOMPARE(bytes.count("\r\n"), 50);
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }));
        QCOMPARE(read(bytes).refusedLine.value_or(0), 6); // such a value is not loaded unnoticed
    }

    void accepted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("shortLines");
        // Line ends, a BOM and an end-of-file mark read alike.
        QByteArray lfOnly = HandWritten;
        lfOnly.replace("\r\n", "\n");
        QTest::newRow("CR LF") << HandWritten << HandWrittenValues << 0;
        QTest::newRow("LF only") << lfOnly << HandWrittenValues << 0;
        QTest::newRow("CR LF, no final line end") << HandWritten.chopped(2) << HandWrittenValues << 0;
        QTest::newRow("LF only, no final line end") << lfOnly.chopped(1) << HandWrittenValues << 0;
        QTest::newRow("UTF-8 BOM") << "\xef\xbb\xbf" + HandWritten << HandWrittenValues << 0;
        QTest::newRow("Ctrl+Z and junk after the end") << HandWritten + "\x1a" "999:bad\r\n" << HandWrittenValues << 0;
        QTest::newRow("Ctrl+Z right after the last value") << HandWritten.chopped(2) + "\x1a" << HandWrittenValues << 0;
        QTest::newRow("any number ticks") << QByteArray("108:2") << QStringList{"108:1"} << 0;
        QTest::newRow("a negative number ticks") << QByteArray("117:-3") << QStringList{"117:1"} << 0;
        QTest::newRow("minus zero does not tick") << QByteArray("118:-0") << QStringList{"118:0"} << 0;
        QTest::newRow("list index in its page form") << QByteArray("100:04") << QStringList{"100:4"} << 0;
        QTest::newRow("list without a selection") << QByteArray("124:-1") << QStringList{"124:-1"} << 0;
        QTest::newRow("unused codes ignored")
            << QByteArray("099:5\r\n125:7\r\n000:x\r\n999:\xff\r\n125:\r\n999\r\n-12:5\r\n 99:5\r\n+10:5\r\n100:1")
            << QStringList{"100:1"} << 0;
        QTest::newRow("fourth character not looked at")
            << QByteArray("102x2500\r\n110 300") << QStringList{"102:2500", "110:300"} << 0;
        QTest::newRow("every line of a code, last last")
            << QByteArray("102:1000\r\n103:1\r\n102:3000") << QStringList{"102:1000", "103:1", "102:3000"} << 0;
        QTest::newRow("empty line counted, load goes on")
            << QByteArray("100:1\r\n\r\n101:0,5") << QStringList{"100:1", "101:0,5"} << 1;
        QTest::newRow("lines under three characters") << QByteArray("ab\r\n#\r\n\r\r\n1\n") << QStringList{} << 4;
        QTest::newRow("comments of any bytes")
            << QByteArray("#\x00\xff\x1b\xa5\xb9\r\n100:2", 13) << QStringList{"100:2"} << 0;
        QTest::newRow("comment of 999 characters") << "#" + QByteArray(998, 'x') + "\r\n100:2" << QStringList{"100:2"} << 0;
        QTest::newRow("fields kept as written")
            << QByteArray("110:-05\r\n104:12,345\r\n101:5,\r\n102:999999999")
            << QStringList{"110:-05", "104:12,345", "101:5,", "102:999999999"} << 0;
        QTest::newRow("Ctrl+Z inside a line") << QByteArray("102:2000\x1a" "5") << QStringList{"102:2000"} << 0;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << 0;
        QTest::newRow("BOM alone") << QByteArray("\xef\xbb\xbf") << QStringList{} << 0;
    }
    void accepted()
    {
        QFETCH(QByteArray, bytes);
        const ParameterFileReading reading = read(bytes);
        QVERIFY(!reading.refusedLine);
        QTEST(valueLines(reading), "values");
        QTEST(reading.shortLines, "shortLines");
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("code with a letter") << QByteArray("100:1\r\n10a:5") << 2;
        QTest::newRow("code not a number") << QByteArray("1x0:5") << 1;
        QTest::newRow("no value") << QByteArray("100:") << 1;
        QTest::newRow("code alone") << QByteArray("102") << 1;
        QTest::newRow("list index past the end") << QByteArray("100:5") << 1;
        QTest::newRow("short list's index past the end") << QByteArray("103:2") << 1;
        QTest::newRow("list index below -1") << QByteArray("109:-2") << 1;
        QTest::newRow("list index with a space") << QByteArray("100: 1") << 1;
        QTest::newRow("list index a minus alone") << QByteArray("123:-") << 1;
        QTest::newRow("tick a word") << QByteArray("117:yes") << 1;
        QTest::newRow("tick with decimals") << QByteArray("108:1,0") << 1;
        QTest::newRow("integer with a comma") << QByteArray("102:2000,5") << 1;
        QTest::newRow("integer with a plus") << QByteArray("110:+5") << 1;
        QTest::newRow("integer of ten digits") << QByteArray("110:1234567890") << 1;
        QTest::newRow("integer with a second CR") << QByteArray("102:2000\r\r\n") << 1;
        QTest::newRow("integer with a cp1250 letter") << QByteArray("102:20\xb9" "0") << 1;
        QTest::newRow("volts with a point") << QByteArray("104:1.25") << 1;
        QTest::newRow("volts with two commas") << QByteArray("101:0,5,0") << 1;
        QTest::newRow("volts a comma alone") << QByteArray("101:,") << 1;
        QTest::newRow("volts negative") << QByteArray("101:-0,5") << 1;
        QTest::newRow("line of 1000 characters") << "#" + QByteArray(999, 'x') << 1;
        QTest::newRow("BOM past the start") << QByteArray("100:1\r\n\xef\xbb\xbf" "101:0,5") << 2;
        QTest::newRow("counted after comments and short lines") << QByteArray("100:1\r\n\r\n#c\r\n101:x\r\n102:y") << 4;
        QTest::newRow("counted in an LF-only file") << QByteArray("#a\n#b\n\n103:9\n") << 4;
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        const ParameterFileReading reading = read(bytes);
        QTEST(reading.refusedLine.value_or(0), "line");
        QVERIFY(reading.values.isEmpty());
        QCOMPARE(reading.shortLines, 0);
    }

    void saveReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("car.qx4"));
        createFile(name, QByteArray(2000, 'o'));
        const QByteArray bytes = writeSet(resetParameterSet());
        const ParameterFileAccess saved = saveParameterFile(name, bytes);
        QVERIFY2(saved.ok, qPrintable(saved.error));
        const ParameterFileAccess loaded = loadParameterFile(name);
        QVERIFY2(loaded.ok, qPrintable(loaded.error));
        QCOMPARE(loaded.bytes, bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"car.qx4"});
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("existing");
        // Both hold for root too, who may write anywhere.
        const QString longName = QString(251, 'a') + ".qx4"; // the longest name; no room for a temporary's suffix
        QTest::newRow("the temporary cannot be named") << longName << longName;
        QTest::newRow("the folder is a file") << "plain/car.qx4" << "plain";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, existing);
        QTemporaryDir dir;
        createFile(dir.filePath(existing), "old");
        const ParameterFileAccess saved = saveParameterFile(dir.filePath(target), writeSet(resetParameterSet()));
        QVERIFY(!saved.ok);
        const QString prefix = dir.filePath(target) + ": ";
        QVERIFY2(saved.error.startsWith(prefix) && saved.error.size() > prefix.size(), qPrintable(saved.error));
        QCOMPARE(fileBytes(dir.filePath(existing)), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{existing});
    }

    void failedLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // of a file created first, -1 for none
        QTest::newRow("missing, named relatively") << "no-such-file.qx4" << -1;
        QTest::newRow("a folder") << "." << -1;
        QTest::newRow("a device that never ends") << "/dev/zero" << -1;
        QTest::newRow("over a megabyte") << "big.qx4" << (1 << 20) + 1;
    }
    void failedLoad()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).absoluteFilePath(name);
        if (size >= 0)
            createFile(path, QByteArray(size, '\n'));
        const ParameterFileAccess loaded = loadParameterFile(size >= 0 ? path : name);
        QVERIFY(!loaded.ok);
        QVERIFY(loaded.bytes.isEmpty());
        const QString prefix = QFileInfo(size >= 0 ? path : name).absoluteFilePath() + ": ";
        QVERIFY2(loaded.error.startsWith(prefix) && loaded.error.size() > prefix.size(), qPrintable(loaded.error));
    }

    void dialogsStartWhereTheLastFileWas_data()
    {
        QTest::addColumn<QStringList>("answers"); // save, open, save … ; "" cancels
        QTest::addColumn<QStringList>("folders"); // relative to the working directory
        QTest::newRow("first in param, created") << QStringList{""} << QStringList{"param"};
        QTest::newRow("then the chosen file's folder")
            << QStringList{"cars/a.qx4", "other/b.qx4", ""} << QStringList{"param", "cars", "other"};
        QTest::newRow("Cancel keeps the folder") << QStringList{"", "cars/a.qx4", "", ""}
                                                 << QStringList{"param", "param", "cars", "cars"};
    }
    void dialogsStartWhereTheLastFileWas()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, folders);
        QTemporaryDir work;
        const QDir wd(work.path());
        DialogRecorder dialogs;
        ParameterFolder folder(work.path());
        for (const QString &answer : answers) {
            dialogs.fileNames = {answer.isEmpty() ? QString() : wd.filePath(answer)};
            const bool save = dialogs.fileDialogs.size() % 2 == 0;
            const QString chosen = save ? askParameterFileToSave("Zapisz", folder) : askParameterFileToOpen("Otwórz", folder);
            QCOMPARE(chosen, answer.isEmpty() ? QString() : wd.filePath(answer));
        }
        QCOMPARE(dialogs.fileDialogs.size(), folders.size());
        for (int i = 0; i < folders.size(); ++i) {
            const DialogRecorder::FileDialog &asked = dialogs.fileDialogs.at(i);
            QCOMPARE(asked.save, i % 2 == 0);
            QCOMPARE(asked.request.caption, QString(asked.save ? "Zapisz" : "Otwórz"));
            QCOMPARE(asked.request.folder, wd.filePath(folders.at(i)));
            QCOMPARE(asked.request.filter, QStringLiteral("Pliki Quorvantix (*.qx4)"));
            QCOMPARE(asked.request.defaultSuffix, QStringLiteral("qx4"));
        }
        QVERIFY(wd.exists(QStringLiteral("param")));
    }

    void realDialogs_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("chosen"); // "" when cancelled
        QTest::addColumn<int>("questions");
        QTest::newRow("save: no suffix typed, replacing confirmed") << true << "car" << true << "car.qx4" << 1;
        QTest::newRow("save: no suffix typed, replacing refused") << true << "car" << false << "" << 1;
        QTest::newRow("save: suffix typed, replacing confirmed") << true << "car.qx4" << true << "car.qx4" << 1;
        QTest::newRow("save: a new name gets the suffix") << true << "van" << true << "van.qx4" << 0;
        QTest::newRow("open: no suffix typed") << false << "car" << true << "car.qx4" << 0;
    }
    void realDialogs()
    {
        QFETCH(bool, save);
        QFETCH(QString, typed);
        QFETCH(bool, replace);
        QFETCH(QString, chosen);
        QTemporaryDir work;
        ParameterFolder folder(work.path());
        createFile(QDir(folder.path()).filePath("car.qx4"), "old");
        DialogUser user(typed, replace);
        const QString name = save ? askParameterFileToSave("Zapisz", folder) : askParameterFileToOpen("Otwórz", folder);
        QCOMPARE(name, chosen.isEmpty() ? QString() : QDir(folder.path()).filePath(chosen));
        QTEST(user.questions, "questions");
        QCOMPARE(user.titles, QStringList{save ? "Zapisz" : "Otwórz"});
        QCOMPARE(user.folders, QStringList{QDir(work.path()).filePath("param")});
    }
};

QTEST_MAIN(TestParamsFile)
#include "tst_params_file.moc"
