// The preferences store: the first run, what a read gives for each stored
// value and what it writes back, round trips, and stores that are malformed
// or cannot be read.
#include "AppSettings.h"
#include "TestFiles.h"
#include "TestSettings.h"

#include <QtTest>

#include <memory>

using namespace qx;

Q_DECLARE_METATYPE(AppSettings)

namespace {

template <class T>
QString shown(const std::optional<T> &value)
{
    if (!value)
        return QStringLiteral("-");
    if constexpr (std::is_same_v<T, QString>)
        return QLatin1Char('"') + *value + QLatin1Char('"');
    else
        return QString::number(*value);
}

QString describe(const AppSettings &s)
{
    return QStringLiteral("language %1, file %2, port %3, small profile %4, skin %5, comments off %6, dimension %7")
        .arg(shown(s.language), shown(s.languageFile), shown(s.port), shown(s.smallProfile), shown(s.skin),
             shown(s.commentsOff), shown(s.dimension));
}

AppSettings nothing()
{
    return {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

void createStore(const QByteArray &bytes)
{
    const QString name = appSettingsLocation();
    QVERIFY(QDir().mkpath(QFileInfo(name).path()));
    createFile(name, bytes);
}

// The group's values as "name=value", sorted, as a fresh reader sees them.
QStringList storedValues()
{
    QSettings store(appSettingsLocation(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Param"));
    QStringList values;
    for (const QString &key : store.childKeys())
        values << key + QLatin1Char('=') + store.value(key).toString();
    values.sort();
    return values;
}

const QStringList firstRunValues{"Lang=PL",  "LangNazw=polish.lng", "Port=COM1", "WielkCzcionki=1",
                                 "comments=0", "dimension=0",        "skin=ord"};

} // namespace

class TestShellSettings : public QObject
{
    Q_OBJECT

private slots:
    // A store of its own for every test.
    void init() { settings_ = std::make_unique<TestSettings>(); }
    void cleanup() { settings_.reset(); }

    void storeLivesInTheConfigurationFolder()
    {
        QCOMPARE(appSettingsLocation(), settings_->path() + QStringLiteral("/Quorvantix/Quorvantix.ini"));
    }

    void firstRun_data()
    {
        QTest::addColumn<QByteArray>("before"); // "" for no file at all
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("\r\n");
        QTest::newRow("empty group") << QByteArray("[Param]\r\n[Other]\r\nLang=EN\r\n");
    }
    void firstRun()
    {
        QFETCH(QByteArray, before);
        if (!before.isEmpty())
            createStore(before);
        const AppSettingsReading reading = readAppSettings();
        QVERIFY(reading.firstRun);
        QCOMPARE(describe(reading.values), describe(AppSettings()));
        QCOMPARE(storedValues(), firstRunValues);
        // Numbers are written as numbers.
        const QByteArray file = fileBytes(appSettingsLocation());
        for (const char *number : {"WielkCzcionki=1", "comments=0", "dimension=0"})
            QVERIFY2(file.contains(number), file.constData());
        QVERIFY(!readAppSettings().firstRun);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<AppSettings>("read");
        QTest::addColumn<QStringList>("stored"); // the group after the read
        AppSettings englishCom5 = nothing();
        englishCom5.language = "EN";
        englishCom5.languageFile = "english.lng";
        englishCom5.port = 5;
        englishCom5.skin = "col";
        englishCom5.commentsOff = true;
        englishCom5.dimension = 4;
        const QByteArray complete = "Lang=EN\nLangNazw=english.lng\nPort=COM5\nWielkCzcionki=2\nskin=col\n"
                                    "comments=1\ndimension=4\n";
        const QStringList completeStored{"Lang=EN",    "LangNazw=english.lng", "Port=COM5", "WielkCzcionki=2",
                                         "comments=1", "dimension=4",          "skin=col"};
        QTest::newRow("everything set") << complete << englishCom5 << completeStored;
        // One value changed from the complete group: what the read then gives,
        // and the group after it, by default the changed one.
        const auto storedWith = [&](const QString &from, const QString &to) {
            QStringList s = completeStored;
            if (to.isEmpty())
                s.removeOne(from);
            else
                s.replaceInStrings(from, to);
            s.sort();
            return s;
        };
        const auto row = [&](const char *name, const QByteArray &from, const QByteArray &to,
                             const std::function<void(AppSettings &)> &change, QStringList stored = {}) {
            AppSettings read = englishCom5;
            change(read);
            QByteArray group = complete;
            group.replace(from, to);
            if (stored.isEmpty())
                stored = storedWith(QString::fromLatin1(from.trimmed()), QString::fromLatin1(to.trimmed()));
            QTest::newRow(name) << group << read << stored;
        };
        row("Lang RU with polish.lng", "Lang=EN", "Lang=RU", [](AppSettings &s) { s.language = "RU"; });
        row("Lang missing", "Lang=EN\n", "", [](AppSettings &s) { s.language = ""; });
        row("Lang RU without LangNazw", "Lang=EN\nLangNazw=english.lng\n", "Lang=RU\n",
            [](AppSettings &s) { s.language = "RU"; s.languageFile = "russian.lng"; },
            storedWith("Lang=EN", "Lang=RU").replaceInStrings("english", "russian"));
        row("unknown Lang without LangNazw", "Lang=EN\nLangNazw=english.lng\n", "Lang=XX\n",
            [](AppSettings &s) { s.language = "XX"; s.languageFile = std::nullopt; },
            storedWith("LangNazw=english.lng", "").replaceInStrings("Lang=EN", "Lang=XX"));
        row("unknown LangNazw", "english.lng", "klingon.lng", [](AppSettings &s) { s.languageFile = std::nullopt; });
        row("Port in lower case", "COM5", "com5", [](AppSettings &s) { s.port = std::nullopt; });
        row("Port COM9", "COM5", "COM9", [](AppSettings &s) { s.port = std::nullopt; });
        row("Port missing", "Port=COM5\n", "", [](AppSettings &s) { s.port = std::nullopt; });
        row("comments 0", "comments=1", "comments=0", [](AppSettings &s) { s.commentsOff = false; });
        row("comments any other number", "comments=1", "comments=-3", [](AppSettings &s) { s.commentsOff = true; });
        row("comments text", "comments=1", "comments=yes", [](AppSettings &s) { s.commentsOff = std::nullopt; });
        row("comments missing", "comments=1\n", "", [](AppSettings &s) { s.commentsOff = false; },
            storedWith("comments=1", "comments=0"));
        row("dimension 0", "dimension=4", "dimension=0", [](AppSettings &s) { s.dimension = 0; });
        row("dimension 6", "dimension=4", "dimension=6", [](AppSettings &s) { s.dimension = 6; });
        row("dimension 7", "dimension=4", "dimension=7", [](AppSettings &s) { s.dimension = std::nullopt; });
        row("dimension negative", "dimension=4", "dimension=-1", [](AppSettings &s) { s.dimension = std::nullopt; });
        row("dimension text", "dimension=4", "dimension=four", [](AppSettings &s) { s.dimension = std::nullopt; });
        row("dimension missing", "dimension=4\n", "", [](AppSettings &s) { s.dimension = 0; },
            storedWith("dimension=4", "dimension=0"));
        row("skin nak", "skin=col", "skin=nak", [](AppSettings &s) { s.skin = "nak"; });
        row("skin unknown", "skin=col", "skin=NAK", [](AppSettings &s) { s.skin = std::nullopt; });
        row("skin missing", "skin=col\n", "", [](AppSettings &s) { s.skin = "ord"; },
            storedWith("skin=col", "skin=ord"));
        row("WielkCzcionki missing is never read", "WielkCzcionki=2\n", "", [](AppSettings &) {});
    }
    void reading()
    {
        QFETCH(QByteArray, group);
        createStore("[Param]\n" + group);
        const AppSettingsReading reading = readAppSettings();
        QVERIFY(!reading.firstRun);
        QFETCH(AppSettings, read);
        QCOMPARE(describe(reading.values), describe(read));
        QTEST(storedValues(), "stored");
    }

    void roundTrips_data()
    {
        QTest::addColumn<AppSettings>("written");
        for (const LanguageChoice &language : languageChoices()) {
            AppSettings s;
            s.language = language.code;
            s.languageFile = language.file;
            QTest::addRow("%s", language.item) << s;
        }
        for (int port = 1; port <= 8; ++port) {
            AppSettings s;
            s.port = port;
            QTest::addRow("port %d", port) << s;
        }
        // The resolution items: the three smaller ones keep their number; the
        // remembered one is the dimension.
        for (int profile = 1; profile <= 6; ++profile)
            for (const bool remembered : {false, true}) {
                AppSettings s;
                s.smallProfile = profile <= 3 ? std::optional<int>(profile - 1) : std::nullopt;
                s.dimension = remembered ? profile : 0;
                QTest::addRow("profile %d%s", profile, remembered ? " remembered" : "") << s;
            }
        for (const char *skin : {"ord", "col", "sil", "nak"}) {
            AppSettings s;
            s.skin = skin;
            QTest::addRow("skin %s", skin) << s;
        }
        AppSettings commentsOff;
        commentsOff.commentsOff = true;
        QTest::newRow("comments off") << commentsOff;
    }
    void roundTrips()
    {
        QFETCH(AppSettings, written);
        AppSettings before;
        before.smallProfile = 2;
        QVERIFY(writeAppSettings(before));
        QVERIFY(writeAppSettings(written));

        AppSettings expected = written;
        expected.smallProfile = std::nullopt;
        QCOMPARE(describe(readAppSettings().values), describe(expected));
        QSettings store(appSettingsLocation(), QSettings::IniFormat);
        // Not written, the number stays.
        QCOMPARE(store.value("Param/WielkCzcionki").toInt(), written.smallProfile.value_or(2));
    }

    void writingNothingLeavesValues()
    {
        createStore("[Param]\nLang=IT\nLangNazw=italiano.lng\nPort=COM3\nskin=sil\n");
        QVERIFY(writeAppSettings(nothing()));
        QCOMPARE(storedValues(), QStringList({"Lang=IT", "LangNazw=italiano.lng", "Port=COM3", "skin=sil"}));
    }

    // Qt reads past a line without "=" and drops it when it next writes:
    // the user's file is kept beside the store first, byte for byte.
    void malformedFileIsKept()
    {
        const QByteArray malformed = "[Param]\r\nLang=RU\r\nthis line has no equals sign\r\nPort=COM2\r\n"
                                     "comments=1\r\n\xff\xfe\r\n";
        createStore(malformed);
        const AppSettingsReading reading = readAppSettings();
        QCOMPARE(fileBytes(appSettingsLocation() + ".bad"), malformed);

        QVERIFY(!reading.firstRun);
        QCOMPARE(reading.values.language, std::optional<QString>("RU"));
        QCOMPARE(reading.values.languageFile, std::optional<QString>("russian.lng"));
        QCOMPARE(reading.values.port, std::optional<int>(2));
        QCOMPARE(reading.values.commentsOff, std::optional<bool>(true));

        QVERIFY(writeAppSettings(reading.values));
        QSettings clean(appSettingsLocation(), QSettings::IniFormat);
        QCOMPARE(clean.value("Param/Port").toString(), QStringLiteral("COM2"));
        QCOMPARE(clean.status(), QSettings::NoError);
        QCOMPARE(fileBytes(appSettingsLocation() + ".bad"), malformed);
    }

    void unreadableStoreGivesTheFirstRun()
    {
        QVERIFY(QDir().mkpath(appSettingsLocation()));
        const AppSettingsReading reading = readAppSettings();
        QVERIFY(reading.firstRun);
        QCOMPARE(describe(reading.values), describe(AppSettings()));
        QVERIFY(!writeAppSettings(AppSettings()));
        QVERIFY(QFileInfo(appSettingsLocation()).isDir());
    }

private:
    std::unique_ptr<TestSettings> settings_;
};

QTEST_GUILESS_MAIN(TestShellSettings)
#include "tst_shell_settings.moc"
