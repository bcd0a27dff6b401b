// Languages in the real window: what a language file changes and what it
// leaves, bad lines and files, the code page and help file that follow the
// file's name, the menu with its five shipped files, and the design texts.
#include "ControlTexts.h"
#include "LanguageChoices.h"
#include "LanguageControls.h"
#include "LanguageFile.h"
#include "TestFiles.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"
#include "tabled.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QToolTip>
#include <QtTest>

namespace {

using Texts = QMap<QString, QString>;

// A file that cannot be read changes no text, so the names stay apart.
const QStringList LanguageItems = {"JPolski", "JAngielski", "JCzeski", "JRosyjski", "JWloski"};

QString controlName(const qx::LanguageControl &how)
{
    QString name = QLatin1String(how.name);
    if (how.target == qx::TextTarget::ListEntry)
        name += QStringLiteral("[%1]").arg(how.entry);
    else if (how.target == qx::TextTarget::ToolTip)
        name += QStringLiteral(" tip");
    return name;
}

// The font a text is drawn in: a tip in the tips' own, a control's in its
// font, a menu item's in the window's.
QFont fontShowing(const QObject &control, const qx::LanguageControl &how, const QWidget &window)
{
    if (how.target == qx::TextTarget::ToolTip)
        return QToolTip::font();
    const auto *widget = qobject_cast<const QWidget *>(&control);
    return widget ? widget->font() : window.font();
}

} // namespace

class TestAppLanguages : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    // Every text a language file can reach, with the font it is drawn in:
    // each control of each key as "key name", each message as "key".
    template <class Visit>
    void eachText(Visit visit) const
    {
        const auto controls = qx::namedControls(*form);
        for (const qx::ControlEntry &entry : qx::controlEntries())
            for (const qx::LanguageControl &how : entry.controls)
                for (QObject *control : controls.values(QLatin1String(how.name)))
                    visit(QString::number(entry.key) + ' ' + controlName(how),
                          qx::controlText(*control, how).value_or(QStringLiteral("<wrong kind>")),
                          fontShowing(*control, how, *form));
        for (int key = 10000; key < 50000; ++key)
            if (qx::isTextKey(key))
                visit(QString::number(key), form->texts().text(qx::TextKey(key)), form->font());
    }
    // Every text as it stands, and the language items' captions.
    Texts snapshot() const
    {
        Texts texts;
        eachText([&](const QString &where, const QString &text, const QFont &) { texts.insert(where, text); });
        for (const QString &item : LanguageItems)
            texts.insert("item " + item, action(item)->text());
        return texts;
    }
    static Texts changes(const Texts &before, const Texts &after)
    {
        Texts changed;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (before.value(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        return changed;
    }
    QAction *action(const QString &name) const { return form->findChild<QAction *>(name); }
    QString tickedLanguage() const
    {
        for (const QString &item : LanguageItems)
            if (action(item)->isChecked())
                return item;
        return {};
    }
    // The current folder becomes a fresh one holding lang/ with these files.
    void useFolder(const QMap<QString, QByteArray> &files)
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(folder->path()).mkdir("lang"));
        for (auto it = files.begin(); it != files.end(); ++it)
            createFile(folder->filePath("lang/" + it.key()), it.value());
        QVERIFY(QDir::setCurrent(folder->path()));
    }

    QString dataFolder;
    std::unique_ptr<QTemporaryDir> folder;
    Texts design;

private slots:
    void initTestCase()
    {
        dataFolder = QDir::currentPath();
        makeWindow();
        design = snapshot();
        form->FormCreate();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void init() { dialogs->entries.clear(); }
    void cleanup()
    {
        QVERIFY(QDir::setCurrent(dataFolder));
        folder.reset();
        form->languages().chooseLanguage(*qx::findLanguageFile("polish.lng"));
        QCOMPARE(tickedLanguage(), QStringLiteral("JPolski"));
        dialogs->entries.clear();
    }
    void cleanupTestCase() { closeWindow(); }

    void everyNamedControlIsThere()
    {
        const auto controls = qx::namedControls(*form);
        for (const qx::ControlEntry &entry : qx::controlEntries())
            for (const qx::LanguageControl &how : entry.controls) {
                const QList<QObject *> found = controls.values(QLatin1String(how.name));
                QVERIFY2(found.size() == 1, how.name);
                QVERIFY2(qx::controlText(*found[0], how), how.name);
            }
    }

    // Each row: a file, the texts it changes, and how many lines were bad.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Texts>("changed");
        QTest::addColumn<int>("badLines");
        const Texts help = {{"10106 PomocButton", "Help"}};
        const auto row = [](const char *name, const QByteArray &bytes, const Texts &changed, int badLines = 0) {
            QTest::newRow(name) << bytes << changed << badLines;
        };
        row("one line", "10106 Help\r\n", help);
        row("bare LF", "10106 Help\n", {{"10106 PomocButton", "Hel"}});
        row("last line without LF", "10106 Help", {});
        row("empty file", QByteArray(), {});
        row("key and space", "10106 \r\n", {{"10106 PomocButton", ""}});
        row("four digits", "1010\r\n", {}, 1);
        row("comment", "#10106 Help\r\n", {});
        row("key without meaning", "10705 x\r\n", {});
        row("two controls of one key", "10401 Gas\r\n",
            {{"10401 Label26", "Gas"}, {"10401 ZmiennaPoziomGazuLabel", "Gas"}});
        row("key not an integer, the rest applies", "1010a x\r\n10106 Help\r\n", help, 1);
        row("line too long, the rest applies", "10107 " + QByteArray(1000, 'x') + "\r\n10106 Help\r\n", help, 1);
        row("last of a repeated key", "10106 a\r\n10106 Help\r\n", help);
        row("list entry", "10331 0-5 V\r\n", {{"10331 ComboBox1[1]", "0-5 V"}});
        row("meter title", "10405 RPM\r\n", {{"10405 obrotomierz", "RPM"}, {"10405 ZmiennaObrotyLabel", "RPM"}});
        row("tab", "10300 Settings\r\n", {{"10300 ParametryTab", "Settings"}});
        row("sheet", "11600 Gauge\r\n", {{"11600 adapt6", "Gauge"}});
        row("tab and menu item", "10700 Print\r\n", {{"10700 DrukowanieTab", "Print"}, {"10700 DruButton", "Print"}});
        row("menu", "10201 Language\r\n", {{"10201 Jezyki", "Language"}});
        row("menu item and a picture button's tip", "40004 Compare\r\n",
            {{"40004 PorownajButton", "Compare"}, {"40004 PorownajButtPlik tip", "Compare"}});
        row("message", "30005 Quit?\r\n", {{"30005", "Quit?"}});
        row("language name captions its item", "20004 Russian\r\n",
            {{"20004", "Russian"}, {"item JRosyjski", "Russian"}});
        row("bad-line box in the new language", "1010\r\n30003 Bad line\r\n", {{"30003", "Bad line"}}, 1);
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, badLines);
        useFolder({{"test.lng", bytes}});
        const Texts before = snapshot();
        QVERIFY(form->languages().LoadLanguageFile("test.lng"));
        QTEST(changes(before, snapshot()), "changed");
        QCOMPARE(dialogs->texts(qx::DialogIcon::None),
                 QStringList(badLines, form->texts().text(qx::TextKey::LanguageFileError)));
    }

    void missingFileChangesNothing()
    {
        useFolder({});
        const Texts before = snapshot();
        QVERIFY(!form->languages().LoadLanguageFile("russian.lng"));
        QCOMPARE(changes(before, snapshot()), Texts{});
        QCOMPARE(form->languages().helpFile(), QStringLiteral("help/quorvantix_pl.html"));
        QCOMPARE(dialogs->entries.size(), 1);
        QCOMPARE(dialogs->entries[0].icon, qx::DialogIcon::Error);
        QVERIFY(dialogs->entries[0].text.contains(QStringLiteral("lang/russian.lng")));
    }

    // Each row: a file name, the text its byte C4 then E0 reads as, and the help file.
    void codePageAndHelp_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("help");
        QTest::newRow("Russian") << "russian.lng" << QStringLiteral("Да") << "help/quorvantix_ru.html";
        QTest::newRow("Czech") << "czech.lng" << QStringLiteral("Äŕ") << "help/quorvantix_cz.html";
        QTest::newRow("Italian") << "italiano.lng" << QStringLiteral("Äà") << "help/quorvantix_it.html";
        QTest::newRow("English") << "english.lng" << QStringLiteral("Äŕ") << "help/quorvantix_en.html";
        QTest::newRow("Polish") << "polish.lng" << QStringLiteral("Äŕ") << "help/quorvantix_pl.html";
        // Any other name keeps the code page and help of the last language.
        QTest::newRow("other name") << "Russian.lng" << QStringLiteral("Äŕ") << "help/quorvantix_pl.html";
    }
    void codePageAndHelp()
    {
        QFETCH(QString, file);
        useFolder({{file, "10106 \xC4\xE0\r\n"}});
        QVERIFY(form->languages().LoadLanguageFile(file));
        QTEST(action("PomocButton")->text(), "text");
        QTEST(form->languages().helpFile(), "help");
    }

    void textsShowAsPlainText()
    {
        useFolder({{"test.lng", "10301 <b>Probe</b>\r\n"}});
        QVERIFY(form->languages().LoadLanguageFile("test.lng"));
        auto *label = onParameters<QLabel>("Label1");
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), QStringLiteral("<b>Probe</b>"));
        // Labels that show message texts as other commands want them.
        for (const char *name : {"StatusBar1Panel0", "StatusBar1Panel1", "info", "TranserrorLabel", "ZmiennaGazBenzyna"})
            QVERIFY2(control<QLabel>(form, name)->textFormat() == Qt::PlainText, name);
    }

    void fuelIndicatorFollowsTheLanguage()
    {
        auto *panel = onParameters<QLabel>("ZmiennaGazBenzyna");
        auto *led = control<TAbLED>(form->pages().WizualizacjaTab, "AbLED1");
        panel->setText("x");
        led->setCaption("x");
        useFolder({{"test.lng", "#only a comment\r\n"}, {"petrol.lng", "10408 Petrol\r\n10409 LPG\r\n"}});
        QVERIFY(form->languages().LoadLanguageFile("test.lng"));
        QVERIFY(form->livePolls().onPetrol());
        QCOMPARE(panel->text(), QStringLiteral("Benzyna"));
        QCOMPARE(led->caption(), QStringLiteral("Benzyna"));
        QCOMPARE(panel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(led->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(form->languages().LoadLanguageFile("petrol.lng"));
        QCOMPARE(panel->text(), QStringLiteral("Petrol"));
        QCOMPARE(led->caption(), QStringLiteral("Petrol"));
    }

    // A dialog of the window may reuse a name; a language reaches only the window's own.
    void dialogsKeepTheirTexts()
    {
        QDialog about(form.get());
        auto *label = new QLabel(QStringLiteral("about"), &about);
        label->setObjectName(QStringLiteral("Label1"));
        useFolder({{"test.lng", "10301 Probe\r\n"}});
        QVERIFY(form->languages().LoadLanguageFile("test.lng"));
        QCOMPARE(label->text(), QStringLiteral("about"));
        QCOMPARE(onParameters<QLabel>("Label1")->text(), QStringLiteral("Probe"));
    }

    void noLanguageFile_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("message");
        QTest::newRow("empty folder") << QStringList{} << true;
        QTest::newRow("other files only") << QStringList{"polish.txt", "lng"} << true;
        QTest::newRow("one file") << QStringList{"mine.lng"} << false;
        QTest::newRow("hidden file") << QStringList{".hidden.lng"} << false;
    }
    void noLanguageFile()
    {
        QFETCH(QStringList, files);
        QMap<QString, QByteArray> contents;
        for (const QString &f : files)
            contents.insert(f, QByteArray());
        useFolder(contents);
        form->languages().CheckLanguageFiles();
        QFETCH(bool, message);
        QCOMPARE(dialogs->texts(),
                 message ? QStringList{"Brak plików z językami, proszę przeinstalować program"} : QStringList{});
    }

    // After each shipped file every control of every key shows that file's text.
    void shippedFiles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("help");
        // Polish last: the run ends where it began.
        const char *const rows[][2] = {{"JAngielski", "english.lng"}, {"JCzeski", "czech.lng"},
                                       {"JRosyjski", "russian.lng"},  {"JWloski", "italiano.lng"},
                                       {"JPolski", "polish.lng"}};
        for (const auto &[item, file] : rows)
            QTest::newRow(file) << QString(item) << QString(file) << QString(qx::findLanguageFile(file)->helpFile);
    }
    void shippedFiles()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        // Start from another language, so that every text has to change.
        form->languages().chooseLanguage(*qx::findLanguageFile("english.lng"));
        const char *lists[] = {"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20", "ComboBox21"};
        QList<int> chosen;
        for (const char *list : lists) {
            auto *box = onParameters<QComboBox>(list);
            box->setCurrentIndex(box->count() - 1);
            chosen << box->currentIndex();
        }

        action(item)->trigger();
        QCOMPARE(tickedLanguage(), item);
        QTEST(form->languages().helpFile(), "help");

        const Texts now = snapshot();
        const QByteArray encoding = qx::findLanguageFile(file)->encoding;
        for (const qx::LanguageLine &line : qx::readLanguageLines(shippedFile(QX_LANG, file), encoding)) {
            if (line.kind != qx::LanguageLine::Text)
                continue;
            const QString key = QString::number(line.key);
            int seen = 0;
            for (auto it = now.lowerBound(key); it != now.end() && it.key().startsWith(key); ++it, ++seen)
                QVERIFY2(it.value() == line.text, qPrintable(it.key() + ": " + it.value() + " / " + line.text));
            QVERIFY2(seen > 0, qPrintable(key));
        }
        QList<int> kept;
        for (const char *list : lists)
            kept << onParameters<QComboBox>(list)->currentIndex();
        QCOMPARE(kept, chosen);
        QVERIFY(dialogs->entries.isEmpty());
    }

    // The tick goes back to the language shown, whether the item ran from
    // the menu, which ticks it first, or as a command.
    void failedChoiceKeepsTheLanguage_data()
    {
        QTest::addColumn<bool>("throughTheItem");
        QTest::newRow("command") << false;
        QTest::newRow("menu item") << true;
    }
    void failedChoiceKeepsTheLanguage()
    {
        QFETCH(bool, throughTheItem);
        useFolder({{"polish.lng", "10106 Pomoc\r\n"}, {"english.lng", "10106 Help\r\n"}});
        form->languages().chooseLanguage(*qx::findLanguageFile("english.lng"));
        const Texts before = snapshot();
        if (throughTheItem)
            action("JCzeski")->trigger();
        else
            form->languages().chooseLanguage(*qx::findLanguageFile("czech.lng"));
        QCOMPARE(tickedLanguage(), QStringLiteral("JAngielski"));
        QCOMPARE(changes(before, snapshot()), Texts{});
        QCOMPARE(dialogs->entries.size(), 1);
    }

    // Start-up without a language file says so, names the file it could not
    // load, and goes on with the built-in texts to the controller and the RPM page.
    void startUpWithoutLanguageFiles()
    {
        closeWindow();
        useFolder({});
        QVERIFY(QFile::link(dataFolder + "/skins", folder->filePath("skins")));
        QVERIFY(startWindow());
        QCOMPARE(dialogs->entries.size(), 2);
        QCOMPARE(dialogs->entries[0].text, QStringLiteral("Brak plików z językami, proszę przeinstalować program"));
        QVERIFY(dialogs->entries[1].text.contains(QStringLiteral("lang/polish.lng")));
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - Sterownik 8")));
        QVERIFY(form->timers().TimerObr.isActive());
        QCOMPARE(action("PomocButton")->text(), QStringLiteral("Pomoc"));
    }

    // Each text is drawn in the font of what shows it, not in a fallback
    // family or as boxes: controls in their own font, tips in the tips',
    // menu items and messages in the window's.
    void everyCharacterInItsFont_data()
    {
        QTest::addColumn<QString>("item");
        for (const QString &item : LanguageItems)
            QTest::newRow(qPrintable(item)) << item;
    }
    void everyCharacterInItsFont()
    {
        QFETCH(QString, item);
        action(item)->trigger();
        QCOMPARE(tickedLanguage(), item);
        QStringList missing;
        eachText([&missing](const QString &where, const QString &text, const QFont &font) {
            const QFontMetrics metrics(font);
            for (const char32_t c : text.toUcs4())
                if (c >= 0x20 && !metrics.inFontUcs4(c))
                    missing << QStringLiteral("%1: U+%2 not in %3").arg(where).arg(uint(c), 4, 16, QLatin1Char('0')).arg(font.family());
        });
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    // Choosing Polish shows the design texts but for the keys whose controls
    // differ on the design or have no real text there.
    void polishIsTheDesign()
    {
        const QStringList reworded = {"10401", "10402", "10407", "11210", "11701"};
        const Texts polish = snapshot();
        for (auto it = design.begin(); it != design.end(); ++it) {
            const QString key = it.key().section(' ', 0, 0);
            if (reworded.contains(key) || !it.key().contains(' '))
                continue;
            QVERIFY2(polish.value(it.key()) == it.value(),
                     qPrintable(it.key() + ": " + polish.value(it.key()) + " / " + it.value()));
        }
    }
};

QTEST_MAIN(TestAppLanguages)
#include "tst_app_languages.moc"
