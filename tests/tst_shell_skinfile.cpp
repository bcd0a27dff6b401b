// Skin files as bytes: the line reader shared with language files, the
// integers and colours they write, what each line means, the key table and
// the four skins the program ships.
#include "LineFile.h"
#include "SkinColour.h"
#include "SkinKeys.h"
#include "SkinLine.h"
#include "TestFiles.h"

#include <QtTest>

using namespace qx;

Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {

using Lines = QList<QByteArray>;

// A line as "text" or, when short, "short:text".
Lines described(const QList<FileLine> &lines)
{
    Lines out;
    for (const FileLine &line : lines)
        out << (line.isShort() ? "short:" + line.text : line.text);
    return out;
}

// A colour of its own for each role of each group of a desktop palette.
QColor desktopColour(QPalette::ColorGroup group, QPalette::ColorRole role)
{
    return QColor(int(group), 0, int(role));
}

QString describe(const SkinLine &line)
{
    switch (line.kind) {
    case SkinLine::Setting: return QStringLiteral("%1=%2").arg(line.key).arg(line.value);
    case SkinLine::Comment: return QStringLiteral("comment");
    case SkinLine::Bad: break;
    }
    return QStringLiteral("bad");
}

} // namespace

class TestShellSkinFile : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("CR LF lines") << QByteArray("10106 Help\r\n#note\r\n") << Lines{"10106 Help", "#note"};
        QTest::newRow("bare LF loses the last character") << QByteArray("10106 Help\n") << Lines{"10106 Hel"};
        QTest::newRow("last line without LF does not count") << QByteArray("10106 Help\r\n10107 End")
                                                             << Lines{"10106 Help"};
        QTest::newRow("only a line without LF") << QByteArray("10106 Help") << Lines{};
        QTest::newRow("empty file") << QByteArray() << Lines{};
        QTest::newRow("byte 26 ends the file") << QByteArray("10106 Help\r\n\x1a" "10107 End\r\n")
                                               << Lines{"10106 Help"};
        QTest::newRow("byte 26 inside a line ends it unfinished") << QByteArray("10106 He\x1alp\r\n") << Lines{};
        QTest::newRow("empty line is short") << QByteArray("\r\n") << Lines{"short:"};
        QTest::newRow("lone LF is short") << QByteArray("\n") << Lines{"short:"};
        QTest::newRow("two LFs are two lines") << QByteArray("123456\n\n") << Lines{"12345", "short:"};
        QTest::newRow("five bytes before LF are short") << QByteArray("1010\r\n") << Lines{"short:1010"};
        QTest::newRow("six bytes before LF are not") << QByteArray("10106\r\n") << Lines{"10106"};
        QTest::newRow("a short comment is short") << QByteArray("#\r\n") << Lines{"short:#"};
        QTest::newRow("bytes pass unchanged") << QByteArray("10106 \xb3\x00\xff\r\n", 11)
                                              << Lines{QByteArray("10106 \xb3\x00\xff", 9)};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(described(readFileLines(bytes)), "lines");
    }

    void lineLength()
    {
        const QByteArray longest = QByteArray(999, '7') + "\r\n";
        const QByteArray tooLong = QByteArray(1000, '7') + "\r\n";
        const auto lines = readFileLines(longest + tooLong);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].length, 1000);
        QVERIFY(!lines[0].isTooLong());
        QVERIFY(lines[1].isTooLong());
    }

    void integers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::optional<qint32>>("number");
        QTest::newRow("decimal") << QByteArray("255") << std::optional<qint32>(255);
        QTest::newRow("leading spaces") << QByteArray("   42") << std::optional<qint32>(42);
        QTest::newRow("plus") << QByteArray("+7") << std::optional<qint32>(7);
        QTest::newRow("minus") << QByteArray("-7") << std::optional<qint32>(-7);
        QTest::newRow("spaces before the sign") << QByteArray("  -7") << std::optional<qint32>(-7);
        QTest::newRow("leading zeros") << QByteArray("0000000000000000000012") << std::optional<qint32>(12);
        QTest::newRow("largest") << QByteArray("2147483647") << std::optional<qint32>(2147483647);
        QTest::newRow("smallest") << QByteArray("-2147483648") << std::optional<qint32>(-2147483647 - 1);
        QTest::newRow("hexadecimal") << QByteArray("$FF") << std::optional<qint32>(255);
        QTest::newRow("hexadecimal lower case") << QByteArray("$eeeeee") << std::optional<qint32>(0xEEEEEE);
        QTest::newRow("all bits") << QByteArray("$FFFFFFFF") << std::optional<qint32>(-1);
        QTest::newRow("negative hexadecimal") << QByteArray("-$10") << std::optional<qint32>(-16);
        // Past either end or 32 bits; empty, spaces, a sign or a dollar alone;
        // anything after the digits or the sign, two signs, C's hexadecimal, a
        // tab for a space, a hex digit in a decimal.
        for (const char *text : {"2147483648", "-2147483649", "$100000000", "", "  ", "-", "$", "12 ", "12\r", "12a",
                                 "- 5", "--5", "0x10", "\t5", "1F"})
            QTest::addRow("not a number: \"%s\"", QByteArray(text).toPercentEncoding(" $-+").constData())
                << QByteArray(text) << std::optional<qint32>();
    }
    void integers()
    {
        QFETCH(QByteArray, text);
        QTEST(fileInteger(text), "number");
    }

    void colours_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QColor>("colour"); // invalid: no colour
        constexpr QPalette::ColorGroup A = QPalette::Active;
        QTest::newRow("red is the low byte") << qint32(255) << QColor(255, 0, 0);
        QTest::newRow("blue is the third byte") << qint32(0xFF0000) << QColor(0, 0, 255);
        QTest::newRow("byte order") << qint32(0x123456) << QColor(0x56, 0x34, 0x12);
        QTest::newRow("fourth byte not looked at") << qint32(0x020000FF) << QColor(255, 0, 0);
        QTest::newRow("desktop 5, window") << qint32(0x80000005) << desktopColour(A, QPalette::Base);
        QTest::newRow("desktop 8, window text") << qint32(0x80000008) << desktopColour(A, QPalette::Text);
        QTest::newRow("desktop 15, button face") << qint32(-2147483633) << desktopColour(A, QPalette::Button);
        QTest::newRow("desktop 17, grey text") << qint32(0x80000011) << desktopColour(QPalette::Disabled, QPalette::Text);
        QTest::newRow("desktop 18, button text") << qint32(0x80000012) << desktopColour(A, QPalette::ButtonText);
        QTest::newRow("desktop 30, menu bar") << qint32(0x8000001E) << desktopColour(A, QPalette::Window);
        QTest::newRow("desktop 31 is none") << qint32(0x8000001F) << QColor();
        QTest::newRow("all bits is none") << qint32(-1) << QColor();
    }
    void colours()
    {
        QFETCH(qint32, value);
        QFETCH(QColor, colour);
        QPalette desktop;
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                if (role != QPalette::NoRole)
                    desktop.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                                     desktopColour(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
            }
        const auto decoded = skinColour(value, desktop);
        QCOMPARE(decoded.has_value(), colour.isValid());
        if (decoded)
            QCOMPARE(*decoded, colour);
    }

    void skinLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("key and colour") << QByteArray("10010=$EEEEEE\r\n") << QStringList{"10010=15658734"};
        QTest::newRow("any separator") << QByteArray("10009 255\r\n") << QStringList{"10009=255"};
        QTest::newRow("spaces before value") << QByteArray("10000=  0\r\n") << QStringList{"10000=0"};
        QTest::newRow("spaced key") << QByteArray(" 1001=1\r\n") << QStringList{"1001=1"};
        QTest::newRow("hexadecimal key") << QByteArray("$2712=1\r\n") << QStringList{"10002=1"};
        QTest::newRow("comment") << QByteArray("# 10010=255\r\n") << QStringList{"comment"};
        // Too short, no value, a key or value that is no number, too large a value.
        for (const char *line :
             {"#x", "1001", "10010", "10010=", "10010=red", "1OO10=255", "10010=4294967296", "10010=255 "})
            QTest::addRow("bad: \"%s\"", line) << QByteArray(line) + "\r\n" << QStringList{"bad"};
        QTest::newRow("bare LF eats the last digit") << QByteArray("10010=255\n") << QStringList{"10010=25"};
        QTest::newRow("longest line") << "10010=" + QByteArray(992, '0') + "7\r\n" << QStringList{"10010=7"};
        QTest::newRow("line too long") << "10010=" + QByteArray(993, '0') + "7\r\n" << QStringList{"bad"};
        QTest::newRow("comment too long") << "#" + QByteArray(999, 'x') + "\r\n" << QStringList{"bad"};
        QTest::newRow("every line counts once")
            << QByteArray("#skin\r\n\r\n10009=1\r\n1\r\n10011=2\r\n10012=3") << QStringList{"comment", "bad", "10009=1", "bad", "10011=2"};
    }
    void skinLines()
    {
        QFETCH(QByteArray, bytes);
        QStringList lines;
        for (const SkinLine &line : readSkinLines(bytes))
            lines << describe(line);
        QTEST(lines, "lines");
    }

    void keyTable()
    {
        const QList<SkinKey> &table = skinKeyTable();
        QCOMPARE(table.size(), 377);
        for (qsizetype i = 0; i < table.size(); ++i) {
            if (i > 0)
                QVERIFY(table[i - 1].key < table[i].key);
            QCOMPARE(findSkinKey(table[i].key), &table[i]);
            QCOMPARE(table[i].controls.isEmpty(), table[i].property == SkinProperty::CaptionBackground);
        }
        QCOMPARE(findSkinKey(10705), nullptr);
        QCOMPARE(findSkinKey(0), nullptr);
        QCOMPARE(captionBackgroundControls().size(), 25);
        QCOMPARE(QSet<QString>(captionBackgroundControls().begin(), captionBackgroundControls().end()).size(), 25);
    }

    void keys_data()
    {
        using P = SkinProperty;
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("property");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("gradient shown") << 10006 << int(P::GradientShown) << QStringList{"AbGradient1"};
        QTest::newRow("gradient end") << 22402 << int(P::GradientEnd) << QStringList{"AbGradient37"};
        QTest::newRow("button text") << 17100 << int(P::ButtonText) << QStringList{"ResButt"};
        QTest::newRow("button hover") << 27302 << int(P::ButtonHover) << QStringList{"DrukujButt"};
        QTest::newRow("field background") << 17001 << int(P::FieldBackground) << QStringList{"Edit22_1"};
        QTest::newRow("caption background") << 10010 << int(P::CaptionBackground) << QStringList{};
        QTest::newRow("19609 three labels") << 19609 << int(P::TextColour)
                                            << QStringList{"Label62", "Label63", "Label64"};
        QTest::newRow("last printout caption") << 24801 << int(P::TextColour) << QStringList{"Napis23"};
        QTest::newRow("Par03 out of order") << 27401 << int(P::TextColour) << QStringList{"Par03"};
        QTest::newRow("panel") << 17901 << int(P::Background) << QStringList{"Panel3"};
        QTest::newRow("meter unit") << 18220 << int(P::MeterUnitColour) << QStringList{"obrotomierz"};
        QTest::newRow("meter scale") << 18240 << int(P::MeterScaleColour) << QStringList{"ObrMinMax"};
        QTest::newRow("trace d") << 18219 << int(P::TraceColourD) << QStringList{"Scope1"};
    }
    void keys()
    {
        QFETCH(int, key);
        const SkinKey *found = findSkinKey(key);
        QVERIFY(found);
        QTEST(int(found->property), "property");
        QTEST(found->controls, "controls");
    }

    void shippedSkins_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const QString &name : ShippedSkins)
            QTest::newRow(qPrintable(name)) << shippedFile(QX_SKINS, name);
    }
    void shippedSkins()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!bytes.isEmpty());
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0 && c < 0x7F; }));
        QVERIFY(bytes.startsWith('#'));

        QList<int> keys;
        for (const SkinLine &line : readSkinLines(bytes)) {
            QVERIFY(line.kind != SkinLine::Bad);
            if (line.kind == SkinLine::Setting)
                keys << line.key;
        }
        std::sort(keys.begin(), keys.end());
        QList<int> table;
        for (const SkinKey &key : skinKeyTable())
            table << key.key;
        QCOMPARE(keys, table);
    }
};

QTEST_MAIN(TestShellSkinFile)
#include "tst_shell_skinfile.moc"
