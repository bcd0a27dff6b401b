// Language files: how a line becomes a key and a text or a bad line, the
// texts decoded in each file's code page, and the five shipped files against
// the key table and the program's built-in texts.
#include "BuiltInTexts.h"
#include "LanguageChoices.h"
#include "LanguageControls.h"
#include "LanguageFile.h"
#include "LanguageTable.h"
#include "TestFiles.h"

#include <QtTest>

using namespace qx;

namespace {

// A line as "key=text", "#" for a comment or "bad".
QStringList outcome(const QList<LanguageLine> &lines)
{
    QStringList result;
    for (const LanguageLine &line : lines) {
        switch (line.kind) {
        case LanguageLine::Text: result << QString::number(line.key) + QLatin1Char('=') + line.text; break;
        case LanguageLine::Comment: result << QStringLiteral("#"); break;
        case LanguageLine::Bad: result << QStringLiteral("bad"); break;
        }
    }
    return result;
}

// Every key a language file may carry.
QList<int> allKeys()
{
    QList<int> keys;
    for (const ControlEntry &entry : controlEntries())
        keys << entry.key;
    for (int key = 10000; key < 50000; ++key)
        if (isTextKey(key))
            keys << key;
    return keys;
}

} // namespace

class TestShellLanguage : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QByteArray &bytes, const QStringList &expected) {
            QTest::newRow(name) << bytes << expected;
        };
        row("key, space, text", "10106 Help\r\n", {"10106=Help"});
        row("bare LF takes the last letter for the CR", "10106 Help\n", {"10106=Hel"});
        row("last line without LF", "10106 Help", {});
        row("empty file", QByteArray(), {});
        row("key and separator only", "10106 \r\n", {"10106="});
        row("key without separator", "10106\r\n", {"10106="});
        row("four digits", "1010\r\n", {"bad"});
        row("empty line", "\r\n", {"bad"});
        row("comment", "#10106 Help\r\n", {"#"});
        row("short comment", "#ab\r\n", {"bad"});
        row("leading space", " 1010 x\r\n", {"1010=x"});
        row("hexadecimal key", "$2774 x\r\n", {"10100=x"});
        row("signed key", "+1010 x\r\n", {"1010=x"});
        row("separator not looked at", "10106xHelp\r\n", {"10106=Help"});
        row("key not an integer, the rest applies", "1010a Help\r\n10107 End\r\n", {"bad", "10107=End"});
        row("line of 1000 bytes", "10106 " + QByteArray(993, 'x') + "\r\n", {"10106=" + QString(993, 'x')});
        row("line of 1001 bytes", "10106 " + QByteArray(994, 'x') + "\r\n", {"bad"});
        row("Ctrl+Z ends the file", "10106 a\r\n10107 b\x1A\r\n10108 c\r\n", {"10106=a"});
        row("repeated key, both kept in order", "10106 a\r\n10106 b\r\n", {"10106=a", "10106=b"});
        row("CR inside a text dropped", "10106 Po\rmoc\r\r\n", {"10106=Pomoc"});
        row("markup kept as written", "10301 <b>x</b>\r\n", {"10301=<b>x</b>"});
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(outcome(readLanguageLines(bytes, "windows-1250")), "expected");
    }

    void codePages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Polish") << "polish.lng" << QStringLiteral("ąśł");
        QTest::newRow("Czech") << "czech.lng" << QStringLiteral("ąśł");
        QTest::newRow("English") << "english.lng" << QStringLiteral("ąśł");
        QTest::newRow("Russian") << "russian.lng" << QStringLiteral("№њі");
        QTest::newRow("Italian") << "italiano.lng" << QStringLiteral("¹œ³");
    }
    void codePages()
    {
        QFETCH(QString, file);
        const LanguageChoice *choice = findLanguageFile(file);
        QVERIFY(choice);
        const auto lines = readLanguageLines("10106 \xB9\x9C\xB3\r\n", choice->encoding);
        QCOMPARE(lines.size(), 1);
        QTEST(lines[0].text, "expected");
    }

    void choicesByExactName()
    {
        QCOMPARE(QLatin1String(findLanguageFile("russian.lng")->helpFile), "help/quorvantix_ru.html");
        QCOMPARE(QLatin1String(findLanguageFile("czech.lng")->helpFile), "help/quorvantix_cz.html");
        QVERIFY(!findLanguageFile("Polish.lng"));
        QVERIFY(!findLanguageFile("polish.lng "));
    }

    void keyTable()
    {
        const QList<int> keys = allKeys();
        QCOMPARE(controlEntries().size(), 167);
        QCOMPARE(keys.size(), 167 + 48 + 12 + 2 + 26 + 6 + 14 + 24);
        QCOMPARE(QSet<int>(keys.begin(), keys.end()).size(), keys.size());
        for (const ControlEntry &entry : controlEntries()) {
            QVERIFY2(!isTextKey(entry.key), qPrintable(QString::number(entry.key)));
            QCOMPARE(findControlEntry(entry.key), &entry);
        }
        QVERIFY(!findControlEntry(10705));
        QVERIFY(!isTextKey(10705));
    }

    void shippedFile_data()
    {
        QTest::addColumn<QString>("file");
        for (const LanguageChoice &choice : languageChoices())
            QTest::newRow(choice.file) << QString::fromLatin1(choice.file);
    }
    void shippedFile()
    {
        QFETCH(QString, file);
        const LanguageChoice *choice = findLanguageFile(file);
        const QByteArray bytes = ::shippedFile(QX_LANG, choice->file);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

        // Every byte means a character in the file's code page.
        QStringDecoder strict(choice->encoding, QStringDecoder::Flag::Stateless);
        const QString whole = strict.decode(bytes);
        QVERIFY2(!strict.hasError() && !whole.contains(QChar::ReplacementCharacter), qPrintable(file));

        QMap<int, QString> texts;
        for (const LanguageLine &line : readLanguageLines(bytes, choice->encoding)) {
            QVERIFY2(line.kind != LanguageLine::Bad, qPrintable(file));
            if (line.kind != LanguageLine::Text)
                continue;
            QVERIFY2(!texts.contains(line.key), qPrintable(QString::number(line.key)));
            texts.insert(line.key, line.text);
        }
        QList<int> expected = allKeys();
        std::sort(expected.begin(), expected.end());
        QCOMPARE(texts.keys(), expected);

        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const bool accelerated = it.key() == 10412 || it.key() == 10413;
            QVERIFY2(it.value().count(QLatin1Char('&')) == (accelerated ? 1 : 0), qPrintable(QString::number(it.key())));
            QVERIFY2(!it.value().isEmpty(), qPrintable(QString::number(it.key())));
        }
        // The accelerators differ from each other and from the window's own.
        const QChar first = texts[10412].at(texts[10412].indexOf('&') + 1).toUpper();
        const QChar second = texts[10413].at(texts[10413].indexOf('&') + 1).toUpper();
        QVERIFY(first != second);
        QVERIFY(!QStringLiteral("LTRS").contains(first) && !QStringLiteral("LTRS").contains(second));
        // The controller's number follows the caption, never this text.
        QVERIFY(!texts[30001].back().isDigit());
        // The program fills in the counts, and puts the system's reason after these.
        const QString summary = texts[int(TextKey::CompareSummary)];
        QVERIFY2(summary.count(QLatin1String("%1")) == 1 && summary.count(QLatin1String("%2")) == 1, qPrintable(summary));
        for (const TextKey key : {TextKey::PrintError, TextKey::AsFoundSaveFailed})
            QVERIFY2(texts[int(key)].endsWith(QLatin1String(": ")), qPrintable(texts[int(key)]));
    }

    // Choosing Polish shows what the first start shows: the message texts of
    // polish.lng are the built-in ones.
    void polishMessagesAreBuiltIn()
    {
        LanguageTable builtIn;
        SetBuiltInTexts(builtIn);
        AssignBuiltInHelpTexts(builtIn);
        for (const LanguageLine &line : readLanguageLines(::shippedFile(QX_LANG, "polish.lng"), "windows-1250"))
            if (line.kind == LanguageLine::Text && isTextKey(line.key))
                QCOMPARE(line.text, builtIn.text(TextKey(line.key)));
    }
};

QTEST_GUILESS_MAIN(TestShellLanguage)
#include "tst_shell_language.moc"
