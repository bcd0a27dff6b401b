// Parameter-file reading against random and damaged files: nothing crashes, a
// file is either refused whole or gives only well-formed values, and what it
// gives writes out and reads back unchanged. Seeded, so every run is the same.
#include "BlockOnPage.h"
#include "FileMutations.h"
#include "ParameterFile.h"
#include "ResetValues.h"

#include <QtTest>

#include <functional>

using namespace qx;

namespace {

using mutation::between;
using mutation::Rng;
using Mutation = std::function<void(QByteArray &, Rng &)>;

const QByteArray FileCharacters = "0123456789:,-#\r\n\x1a";

QByteArray randomBytes(Rng &rng, int size, const QByteArray &alphabet = QByteArray())
{
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = alphabet.isEmpty() ? char(between(rng, 0, 255)) : alphabet.at(between(rng, 0, int(alphabet.size()) - 1));
    return bytes;
}

const ParameterFileRow &rowOf(Param param)
{
    for (const ParameterFileRow &row : parameterFileRows())
        if (row.kind != ParameterFileKind::Comment && row.param == param)
            return row;
    qFatal("no file line for slot %d part %d", param.slot, param.part);
}

QString randomValue(const ParameterFileRow &row, Rng &rng)
{
    switch (row.kind) {
    case ParameterFileKind::List: return QString::number(between(rng, -1, pageLists(row.param) - 1));
    case ParameterFileKind::Tick: return QString::number(between(rng, 0, 1));
    case ParameterFileKind::Volts: return QStringLiteral("%1,%2").arg(between(rng, 0, 9)).arg(between(rng, 0, 99));
    case ParameterFileKind::Integer: return QString::number(between(rng, -9999, 999999999));
    case ParameterFileKind::Comment: break;
    }
    return QString();
}

ParameterSet randomSet(Rng &rng)
{
    ParameterSet set;
    for (const ParameterFileRow &row : parameterFileRows())
        if (row.kind != ParameterFileKind::Comment)
            set.setText(row.param, randomValue(row, rng));
    return set;
}

QByteArray fileOf(const ParameterSet &set)
{
    return writeParameterFile([&](Param p) { return set.text(p); });
}

// Splitting at LF and joining again gives the bytes back, whatever the edit.
void editLines(QByteArray &bytes, Rng &rng, const std::function<void(QList<QByteArray> &, int, int)> &edit)
{
    QList<QByteArray> lines = bytes.split('\n');
    const int last = int(lines.size()) - 1;
    edit(lines, between(rng, 0, last), between(rng, 0, last));
    bytes = lines.join('\n');
}

void cut(QByteArray &bytes, Rng &rng)
{
    const int from = between(rng, 0, int(bytes.size()));
    bytes = bytes.mid(from, between(rng, 0, int(bytes.size()) - from));
}

void duplicateLine(QByteArray &bytes, Rng &rng)
{
    editLines(bytes, rng, [](QList<QByteArray> &lines, int a, int b) { lines.insert(b, QByteArray(lines.at(a))); });
}

void swapLines(QByteArray &bytes, Rng &rng)
{
    editLines(bytes, rng, [](QList<QByteArray> &lines, int a, int b) { lines.swapItemsAt(a, b); });
}

// Half of the new bytes are characters a file is made of, so that values
// change shape rather than just break.
void flipBytes(QByteArray &bytes, Rng &rng)
{
    for (int n = between(rng, 1, 4); n > 0 && !bytes.isEmpty(); --n) {
        const QByteArray one = between(rng, 0, 1) ? randomBytes(rng, 1) : randomBytes(rng, 1, FileCharacters);
        bytes[between(rng, 0, int(bytes.size()) - 1)] = one.at(0);
    }
}

// Lines either side of the 999-character limit.
void longLine(QByteArray &bytes, Rng &rng)
{
    const QByteArray start = between(rng, 0, 1) ? QByteArray("#") : QByteArray("102:");
    const QByteArray line = start + randomBytes(rng, between(rng, 990, 1010) - int(start.size()), "0123456789");
    editLines(bytes, rng, [&](QList<QByteArray> &lines, int a, int) { lines.insert(a, line + '\r'); });
}

void lineEnds(QByteArray &bytes, Rng &rng)
{
    if (between(rng, 0, 1))
        bytes.replace("\r\n", "\n");
    else
        bytes.chop(between(rng, 1, 2));
}

// Whether a value read has the form of its kind, by the file's rules written
// out once more independently of the reader.
bool wellFormed(const ParameterFileValue &value)
{
    static const QRegularExpression list(QStringLiteral("^(-1|\\d)$"));
    static const QRegularExpression tick(QStringLiteral("^[01]$"));
    static const QRegularExpression integer(QStringLiteral("^-?\\d{1,9}$"));
    static const QRegularExpression volts(QStringLiteral("^(?=.*\\d)\\d*,?\\d*$"));
    const ParameterFileRow &row = rowOf(value.param);
    if (row.code != value.code || row.kind != value.kind)
        return false;
    switch (value.kind) {
    case ParameterFileKind::List:
        return list.match(value.value).hasMatch() && value.value.toInt() < pageLists(value.param);
    case ParameterFileKind::Tick: return tick.match(value.value).hasMatch();
    case ParameterFileKind::Integer: return integer.match(value.value).hasMatch();
    case ParameterFileKind::Volts: return volts.match(value.value).hasMatch();
    case ParameterFileKind::Comment: break;
    }
    return false;
}

// What is wrong with the reading of one case, or nothing.
QString fault(const QByteArray &bytes)
{
    const ParameterFileReading reading = readParameterFile(bytes, pageLists);
    if (reading.refusedLine) {
        const int lines = int(bytes.count('\n')) + 1;
        if (!reading.values.isEmpty() || reading.shortLines != 0)
            return QStringLiteral("refused, yet values or short lines given");
        if (*reading.refusedLine < 1 || *reading.refusedLine > lines)
            return QStringLiteral("refused line %1 of %2").arg(*reading.refusedLine).arg(lines);
        return QString();
    }
    ParameterSet applied = resetParameterSet();
    for (const ParameterFileValue &value : reading.values) {
        if (!wellFormed(value))
            return QStringLiteral("value %1:%2 accepted").arg(value.code).arg(value.value);
        applied.setText(value.param, value.value);
    }
    const ParameterFileReading again = readParameterFile(fileOf(applied), pageLists);
    if (again.refusedLine || again.shortLines != 0 || again.values.size() != 26)
        return QStringLiteral("the re-written file does not read back whole");
    for (const ParameterFileValue &value : again.values)
        if (value.value != applied.text(value.param))
            return QStringLiteral("code %1 reads back as %2").arg(value.code).arg(value.value);
    return QString();
}

} // namespace

class TestParamsFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<QList<Mutation>>("damages"); // one to three of them per case; none: random bytes
        const QList<Mutation> all{cut, duplicateLine, swapLines, flipBytes, longLine, lineEnds};
        QTest::newRow("random bytes") << 1 << QList<Mutation>{};
        QTest::newRow("cut files") << 2 << QList<Mutation>{cut};
        QTest::newRow("duplicated lines") << 3 << QList<Mutation>{duplicateLine};
        QTest::newRow("swapped lines") << 4 << QList<Mutation>{swapLines};
        QTest::newRow("flipped bytes") << 5 << QList<Mutation>{flipBytes};
        QTest::newRow("long lines") << 6 << QList<Mutation>{longLine};
        QTest::newRow("line ends") << 7 << QList<Mutation>{lineEnds};
        QTest::newRow("damages of every kind") << 8 << all;
    }
    void readings()
    {
        QFETCH(int, seed);
        QFETCH(QList<Mutation>, damages);
        Rng rng(seed);
        for (int n = 0; n < 1500; ++n) {
            QByteArray bytes;
            if (damages.isEmpty()) {
                // Half of them from the characters a file is made of, so values get through.
                bytes = between(rng, 0, 1) ? randomBytes(rng, between(rng, 0, 400))
                                           : randomBytes(rng, between(rng, 0, 400), FileCharacters);
            } else {
                bytes = fileOf(randomSet(rng));
                for (int m = between(rng, 1, 3); m > 0; --m)
                    damages.at(between(rng, 0, int(damages.size()) - 1))(bytes, rng);
            }
            const QString problem = fault(bytes);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("case %1: %2 in %3")
                                                       .arg(n)
                                                       .arg(problem, QString::fromLatin1(bytes.left(300).toHex(' ')))));
        }
    }

    // The generator's own files, undamaged, give back every value.
    void undamagedFilesReadAsWritten()
    {
        Rng rng(9);
        for (int n = 0; n < 500; ++n) {
            const ParameterSet set = randomSet(rng);
            const ParameterFileReading reading = readParameterFile(fileOf(set), pageLists);
            QVERIFY(!reading.refusedLine);
            QCOMPARE(reading.values.size(), 26);
            for (const ParameterFileValue &value : reading.values)
                QCOMPARE(value.value, set.text(value.param));
        }
    }
};

QTEST_APPLESS_MAIN(TestParamsFileFuzz)
#include "tst_params_file_fuzz.moc"
