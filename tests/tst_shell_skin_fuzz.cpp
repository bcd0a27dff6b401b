// Skin reading against damaged and random files, checked line by line with a
// short reference reader of its own: each LF-ended line before the first
// byte 26 is exactly one of applied, comment, key without meaning or one
// message, and nothing after the last LF applies. Seeded, so every run is the
// same. Built with QX_LIBFUZZER it is instead a libFuzzer target for the same
// check.
#include "ReferenceReader.h"
#include "SkinKeys.h"
#include "SkinLine.h"

#include <QByteArray>
#include <QList>

#include <cstdlib>

namespace {

enum class Outcome { Applied, Comment, NoMeaning, Message };

struct Reference
{
    Outcome outcome;
    int key = 0;
    qint32 value = 0;

    bool operator==(const Reference &o) const
    {
        return outcome == o.outcome && (outcome != Outcome::Applied || (key == o.key && value == o.value));
    }
};

Reference referenceLine(const QByteArray &beforeLf, bool (*hasMeaning)(int))
{
    if (beforeLf.size() <= 5 || beforeLf.size() > 1000)
        return {Outcome::Message};
    const QByteArray text = beforeLf.chopped(1);
    if (text.startsWith('#'))
        return {Outcome::Comment};
    const auto key = referenceInteger(text.left(5));
    const auto value = referenceInteger(text.mid(6));
    if (!key || !value)
        return {Outcome::Message};
    return {hasMeaning(*key) ? Outcome::Applied : Outcome::NoMeaning, *key, *value};
}

QList<Reference> referenceSkin(const QByteArray &bytes, bool (*hasMeaning)(int))
{
    QList<Reference> lines;
    for (const QByteArray &line : referenceLines(bytes))
        lines << referenceLine(line, hasMeaning);
    return lines;
}

QList<Reference> programSkin(const QByteArray &bytes)
{
    QList<Reference> lines;
    for (const qx::SkinLine &line : qx::readSkinLines(bytes)) {
        switch (line.kind) {
        case qx::SkinLine::Bad: lines << Reference{Outcome::Message}; break;
        case qx::SkinLine::Comment: lines << Reference{Outcome::Comment}; break;
        case qx::SkinLine::Setting:
            lines << Reference{qx::findSkinKey(line.key) ? Outcome::Applied : Outcome::NoMeaning, line.key, line.value};
            break;
        }
    }
    return lines;
}

} // namespace

#ifdef QX_LIBFUZZER

namespace {

// The keys that mean something, as the shipped ordinary skin names them all.
bool fuzzHasMeaning(int key)
{
    return qx::findSkinKey(key) != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (referenceSkin(bytes, fuzzHasMeaning) != programSkin(bytes))
        std::abort();
    return 0;
}

#else

#include "DialogRecorder.h"
#include "FileMutations.h"
#include "Skin.h"
#include "SkinColour.h"
#include "TestFiles.h"

#include <QLabel>
#include <QtTest>

namespace {

using namespace mutation;

// The keys with a meaning are those the ordinary skin names, one line each.
QSet<int> meaningfulKeys;

bool hasMeaning(int key)
{
    return meaningfulKeys.contains(key);
}

const QByteArray fileCharacters = "0123456789$+- =#ABCDEFabcdef\r\n\x1a";

// Damage only a skin suffers: lines around the longest allowed, and a
// setting with a random key and value, possibly the last line without LF.
QList<Mutation> skinMutations()
{
    QList<Mutation> mutations = commonMutations(fileCharacters);
    mutations << [](QByteArray &b, const QByteArray &, Rng &rng) {
        b.insert(lineStart(b, rng), QByteArray(between(rng, 990, 1010), '7') + "\r\n");
    };
    mutations << [](QByteArray &b, const QByteArray &, Rng &rng) {
        QByteArray line = QByteArray::number(between(rng, 9990, 27500)) + randomByte(rng, fileCharacters)
                          + (between(rng, 0, 1) ? QByteArray::number(between(rng, -5, 1 << 24))
                                                : "$" + QByteArray::number(quint32(rng()), 16));
        b += between(rng, 0, 1) ? line + "\r\n" : line;
    };
    return mutations;
}

char *toString(const Reference &r)
{
    static const char *names[] = {"applied", "comment", "no meaning", "message"};
    return QTest::toString(QStringLiteral("%1 %2=%3").arg(names[int(r.outcome)]).arg(r.key).arg(r.value));
}

} // namespace

class TestShellSkinFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const qx::SkinLine &line : qx::readSkinLines(shippedFile(QX_SKINS, "default.skr")))
            if (line.kind == qx::SkinLine::Setting)
                meaningfulKeys.insert(line.key);
        QCOMPARE(meaningfulKeys.size(), 377);
    }

    void readingAgreesWithTheReference_data()
    {
        QTest::addColumn<QByteArray>("skin");
        for (const QString &name : ShippedSkins)
            QTest::newRow(qPrintable(name)) << shippedFile(QX_SKINS, name);
        Rng rng(20261207);
        QByteArray random(4000, '\0');
        for (char &c : random)
            c = randomByte(rng, fileCharacters);
        QTest::newRow("random bytes") << random;
    }
    void readingAgreesWithTheReference()
    {
        QFETCH(QByteArray, skin);
        QVERIFY(!skin.isEmpty());
        const QList<Mutation> mutations = skinMutations();
        Rng rng(4242);
        for (int run = 0; run < 2000; ++run) {
            const QByteArray bytes = mutated(skin, skin, mutations, rng);
            const QList<Reference> expected = referenceSkin(bytes, hasMeaning);
            const QList<Reference> read = programSkin(bytes);
            if (read != expected) {
                QCOMPARE(read, expected);
                QFAIL(bytes.toPercentEncoding().constData());
            }
        }
    }

    // Applied to a window: one message per bad line, and the last line
    // setting the caption highlight or Label52's colour is what shows.
    void applyingAgreesWithTheReference()
    {
        QWidget root;
        auto *label = new QLabel(&root);
        label->setObjectName(QStringLiteral("Label52"));
        const QColor unset(1, 2, 3);
        const QList<Mutation> mutations = skinMutations();
        Rng rng(777);
        const QByteArray skins[] = {shippedFile(QX_SKINS, "default.skr"), shippedFile(QX_SKINS, "bezbarwn.skr")};
        for (int run = 0; run < 300; ++run) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, unset);
            label->setPalette(palette);
            qx::WindowSkin skin(root);
            DialogRecorder dialogs;

            const QByteArray bytes = mutated(skins[run % 2], skins[1 - run % 2], mutations, rng);
            skin.applySkin(bytes);

            int messages = 0;
            QColor highlight(0xEE, 0xEE, 0xEE);
            QColor text = unset;
            for (const Reference &line : referenceSkin(bytes, hasMeaning)) {
                messages += line.outcome == Outcome::Message;
                if (line.outcome != Outcome::Applied)
                    continue;
                const auto colour = qx::skinColour(line.value, QGuiApplication::palette());
                if (line.key == 10010 && colour)
                    highlight = *colour;
                if ((line.key == 18227 || line.key == 18229) && colour)
                    text = *colour;
            }
            QCOMPARE(dialogs.entries.size(), messages);
            QCOMPARE(skin.CaptionBackground(), highlight);
            QCOMPARE(label->palette().color(QPalette::WindowText), text);
        }
    }
};

QTEST_MAIN(TestShellSkinFuzz)
#include "tst_shell_skin_fuzz.moc"

#endif
