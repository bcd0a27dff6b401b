// Language file reading against damaged and random files, checked line by
// line with a short reference reader of its own: each LF-ended line before
// the first byte 26 is exactly one of applied (key and text), comment, key
// without meaning or bad line (one message), nothing after the last LF
// applies, and a text is its line's own bytes but CR, each decoded alone. Seeded, so
// every run is the same. Built with QX_LIBFUZZER it is instead a libFuzzer
// target for the same check, the input's first byte choosing the code page.
#include "LanguageControls.h"
#include "LanguageFile.h"
#include "ReferenceReader.h"
#include "TextKeys.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

enum class Outcome { Applied, Comment, NoMeaning, Bad };

struct Reference
{
    Outcome outcome;
    int key = 0;
    QString text{};

    bool operator==(const Reference &o) const
    {
        const bool keyed = outcome == Outcome::Applied || outcome == Outcome::NoMeaning;
        return outcome == o.outcome && (!keyed || (key == o.key && text == o.text));
    }
};

const char *const encodings[] = {"windows-1250", "windows-1251", "windows-1252"};

// The code pages have one byte a character, so a text decodes byte by byte
// the same as whole.
class ByteDecoding
{
public:
    explicit ByteDecoding(const char *encoding)
    {
        for (int b = 0; b < 256; ++b)
            characters_[b] = QStringDecoder(encoding).decode(QByteArray(1, char(b)));
    }

    QString decode(const QByteArray &bytes) const
    {
        QString text;
        for (const char c : bytes)
            text += characters_[quint8(c)];
        return text;
    }

private:
    std::array<QString, 256> characters_;
};

const ByteDecoding &byteDecoding(int encoding)
{
    static const ByteDecoding decodings[] = {ByteDecoding(encodings[0]), ByteDecoding(encodings[1]),
                                             ByteDecoding(encodings[2])};
    return decodings[encoding];
}

Reference referenceLine(const QByteArray &beforeLf, const ByteDecoding &decoding, bool (*hasMeaning)(int))
{
    if (beforeLf.size() <= 5 || beforeLf.size() > 1000)
        return {Outcome::Bad};
    const QByteArray line = beforeLf.chopped(1);
    if (line.startsWith('#'))
        return {Outcome::Comment};
    const auto key = referenceInteger(line.left(5));
    if (!key)
        return {Outcome::Bad};
    QByteArray text = line.mid(6);
    text.replace('\r', QByteArray());
    return {hasMeaning(*key) ? Outcome::Applied : Outcome::NoMeaning, *key, decoding.decode(text)};
}

QList<Reference> referenceLanguage(const QByteArray &bytes, int encoding, bool (*hasMeaning)(int))
{
    QList<Reference> lines;
    for (const QByteArray &line : referenceLines(bytes))
        lines << referenceLine(line, byteDecoding(encoding), hasMeaning);
    return lines;
}

bool programHasMeaning(int key)
{
    return qx::findControlEntry(key) || qx::isTextKey(key);
}

QList<Reference> programLanguage(const QByteArray &bytes, int encoding)
{
    QList<Reference> lines;
    for (const qx::LanguageLine &line : qx::readLanguageLines(bytes, encodings[encoding])) {
        switch (line.kind) {
        case qx::LanguageLine::Bad: lines << Reference{Outcome::Bad}; break;
        case qx::LanguageLine::Comment: lines << Reference{Outcome::Comment}; break;
        case qx::LanguageLine::Text:
            lines << Reference{programHasMeaning(line.key) ? Outcome::Applied : Outcome::NoMeaning, line.key, line.text};
            break;
        }
    }
    return lines;
}

// A CR or LF in a text would break the line where it is shown.
bool anyTextBreaks(const QList<Reference> &lines)
{
    return std::any_of(lines.begin(), lines.end(), [](const Reference &r) {
        return r.text.contains(QLatin1Char('\r')) || r.text.contains(QLatin1Char('\n'));
    });
}

} // namespace

#ifdef QX_LIBFUZZER

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int encoding = data[0] % 3;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QList<Reference> read = programLanguage(bytes, encoding);
    if (read != referenceLanguage(bytes, encoding, programHasMeaning) || anyTextBreaks(read))
        std::abort();
    return 0;
}

#else

#include "FileMutations.h"
#include "TestFiles.h"

#include <QtTest>

namespace {

using namespace mutation;

const char *const shippedNames[] = {"polish.lng", "english.lng", "russian.lng", "czech.lng", "italiano.lng"};

// The five files, to take lines from.
QList<QByteArray> shippedFiles;

// The keys with a meaning are those the Polish file names, one line each.
QSet<int> meaningfulKeys;

bool hasMeaning(int key)
{
    return meaningfulKeys.contains(key);
}

const QByteArray fileCharacters = "0123456789$+- #ABCDEFabcdef\r\n\x1a";

// Damage only a language file suffers: lines around the longest allowed,
// another file's tail after this one's head, and keys written in any of the
// ways an integer may be, or almost.
QList<Mutation> languageMutations()
{
    QList<Mutation> mutations = commonMutations(fileCharacters);
    mutations << [](QByteArray &b, const QByteArray &, Rng &rng) {
        const int length = between(rng, 0, 3) ? between(rng, 995, 1005) : between(rng, 1006, 5000);
        b.insert(lineStart(b, rng), "10106 " + QByteArray(length - 7, char(between(rng, 0x20, 0xFF))) + "\r\n");
    };
    mutations << [](QByteArray &b, const QByteArray &other, Rng &rng) {
        b = b.left(lineStart(b, rng)) + other.mid(lineStart(other, rng));
    };
    mutations << [](QByteArray &b, const QByteArray &, Rng &rng) {
        const char *const shapes[] = {"D", " D", "+D", "-D", "$H", " $H", "-$H", "Dx", "0D", "     ", "   -$", "    +"};
        const int key = between(rng, 0, 3) ? between(rng, 10000, 30020) : between(rng, 0, 99999);
        const QByteArray keyText = QByteArray(shapes[between(rng, 0, 11)])
                                       .replace('D', QByteArray::number(key))
                                       .replace('H', QByteArray::number(key, 16))
                                       .left(5);
        const QByteArray line = keyText + randomByte(rng, fileCharacters) + "Text";
        b.insert(lineStart(b, rng), between(rng, 0, 4) ? line + "\r\n" : line);
    };
    return mutations;
}

char *toString(const Reference &r)
{
    static const char *names[] = {"applied", "comment", "no meaning", "bad"};
    return QTest::toString(QStringLiteral("%1 %2=%3").arg(QLatin1String(names[int(r.outcome)])).arg(r.key).arg(r.text));
}

} // namespace

class TestShellLanguageFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *name : shippedNames)
            shippedFiles << shippedFile(QX_LANG, name);
        for (const qx::LanguageLine &line : qx::readLanguageLines(shippedFiles.at(0), encodings[0]))
            if (line.kind == qx::LanguageLine::Text)
                meaningfulKeys.insert(line.key);
        QVERIFY2(!meaningfulKeys.isEmpty(), "the shipped Polish file holds the keys with a meaning");
    }

    void readingAgreesWithTheReference_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("encoding");
        for (int file = 0; file < 5; ++file)
            for (int encoding = 0; encoding < 3; ++encoding)
                QTest::addRow("%s in %s", shippedNames[file], encodings[encoding]) << shippedFiles.at(file) << encoding;
    }
    void readingAgreesWithTheReference()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, encoding);
        QVERIFY(!file.isEmpty());

        // As shipped: every line good, no line end left in a text.
        const QList<Reference> whole = programLanguage(file, encoding);
        QCOMPARE(whole, referenceLanguage(file, encoding, hasMeaning));
        QVERIFY(std::none_of(whole.begin(), whole.end(), [](const Reference &r) { return r.outcome == Outcome::Bad; }));
        QVERIFY(!anyTextBreaks(whole));

        const QList<Mutation> mutations = languageMutations();
        Rng rng(20261207 + encoding);
        for (int run = 0; run < 300; ++run) {
            const QByteArray bytes = mutated(file, shippedFiles.at(between(rng, 0, 4)), mutations, rng);
            const QList<Reference> read = programLanguage(bytes, encoding);
            const QList<Reference> expected = referenceLanguage(bytes, encoding, hasMeaning);
            if (read != expected || anyTextBreaks(read)) {
                qWarning("run %d read %s", run, bytes.toPercentEncoding().constData());
                QCOMPARE(read, expected);
                QVERIFY(!anyTextBreaks(read));
            }
        }
    }
};

QTEST_MAIN(TestShellLanguageFuzz)
#include "tst_shell_language_fuzz.moc"

#endif
