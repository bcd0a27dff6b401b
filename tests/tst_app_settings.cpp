// The preferences in the real window: what a stored set ticks at start-up,
// what the window writes back when it closes, and a skin that cannot be read.
#include "AppSettings.h"
#include "ProgramEntry.h"
#include "RpmPage.h"
#include "WindowOnSimulator.h"

#include <QAction>
#include <QCheckBox>
#include <QtTest>

namespace {

using Values = QList<QPair<QString, QVariant>>;
using Written = QMap<QString, QString>;

void prepareStore(const Values &values)
{
    QFile::remove(qx::appSettingsLocation());
    QSettings store(qx::appSettingsLocation(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Param"));
    for (const auto &[name, value] : values)
        store.setValue(name, value);
}

// The stored values as the file holds them, numbers as text.
QMap<QString, QString> storedValues()
{
    QSettings store(qx::appSettingsLocation(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Param"));
    QMap<QString, QString> values;
    for (const QString &name : store.childKeys())
        values.insert(name, store.value(name).toString());
    return values;
}

const Values Stored = {{"Lang", "PL"},   {"LangNazw", "polish.lng"}, {"Port", "COM1"},   {"WielkCzcionki", 1},
                       {"skin", "ord"}, {"comments", 0},            {"dimension", 0}};

Values with(Values values, const QString &name, const QVariant &value)
{
    for (auto &[n, v] : values) {
        if (n == name) {
            v = value;
            return values;
        }
    }
    values.append({name, value});
    return values;
}

Values without(Values values, const QString &name)
{
    values.erase(std::remove_if(values.begin(), values.end(), [&](const auto &v) { return v.first == name; }),
                 values.end());
    return values;
}

} // namespace

class TestAppSettings : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    bool ticked(const char *item) const { return form->findChild<QAction *>(QLatin1String(item))->isChecked(); }
    QStringList tickedItems() const
    {
        QStringList items;
        for (QAction *action : form->findChildren<QAction *>())
            if (action->isCheckable() && action->isChecked())
                items << action->objectName();
        items.sort();
        return items;
    }
    bool commentsOff() const { return onParameters<QCheckBox>("WylaczkomentarzeCheck")->isChecked(); }

private slots:
    void cleanup()
    {
        closeWindow();
        QFile::remove(qx::appSettingsLocation());
    }

    void firstRunWritesTheSevenValues()
    {
        QFile::remove(qx::appSettingsLocation());
        QVERIFY(startWindow());
        const QMap<QString, QString> expected = {{"Lang", "PL"},   {"LangNazw", "polish.lng"}, {"Port", "COM1"},
                                                 {"WielkCzcionki", "1"}, {"skin", "ord"}, {"comments", "0"},
                                                 {"dimension", "0"}};
        QCOMPARE(storedValues(), expected);
        QVERIFY(ticked("JPolski"));
        QVERIFY(ticked("PCOM1"));
        QVERIFY(ticked("skorkaZwy"));
        QVERIFY(!ticked("PamOstRozdz"));
        QVERIFY(!commentsOff());
        QVERIFY(dialogs->entries.isEmpty());
    }

    // Each row: the stored values, the items then ticked (of the language,
    // port and skin menus, and the comments box), and what the close writes.
    void storedValuesAreTickedAndWrittenBack_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QStringList>("tickedItems");
        QTest::addColumn<bool>("commentsTicked");
        QTest::addColumn<Written>("written");
        const auto write = [](const QMap<QString, QString> &changes) {
            // The offscreen screen is 800 wide: its profile is the third.
            QMap<QString, QString> values = {{"Lang", "PL"},   {"LangNazw", "polish.lng"}, {"Port", "COM1"},
                                             {"WielkCzcionki", "2"}, {"skin", "ord"}, {"comments", "0"},
                                             {"dimension", "0"}};
            for (auto it = changes.begin(); it != changes.end(); ++it)
                values[it.key()] = it.value();
            return values;
        };
        // The items a store that is Stored but for one ignored value ticks.
        const QStringList usual{"CzcionkaDuza", "JPolski", "PCOM1", "skorkaZwy"};
        struct Language
        {
            const char *code, *file, *item;
        };
        for (const Language &l : {Language{"EN", "english.lng", "JAngielski"}, Language{"RU", "russian.lng", "JRosyjski"},
                                  Language{"CZ", "czech.lng", "JCzeski"}, Language{"IT", "italiano.lng", "JWloski"},
                                  Language{"PL", "polish.lng", "JPolski"}}) {
            QTest::addRow("language %s", l.code)
                << with(with(Stored, "Lang", l.code), "LangNazw", l.file)
                << QStringList{"CzcionkaDuza", "PCOM1", l.item, "skorkaZwy"} << false
                << write({{"Lang", l.code}, {"LangNazw", l.file}});
        }
        QTest::newRow("language file alone ticks, the code stays")
            << with(Stored, "LangNazw", "czech.lng") << QStringList{"CzcionkaDuza", "JCzeski", "PCOM1", "skorkaZwy"}
            << false << write({{"Lang", "CZ"}, {"LangNazw", "czech.lng"}});
        QTest::newRow("file name of no language: nothing ticked, nothing written")
            << with(with(Stored, "Lang", "EN"), "LangNazw", "klingon.lng")
            << QStringList{"CzcionkaDuza", "PCOM1", "skorkaZwy"} << false
            << write({{"Lang", "EN"}, {"LangNazw", "klingon.lng"}});
        QTest::newRow("no file name: derived from the code and written")
            << without(with(Stored, "Lang", "RU"), "LangNazw")
            << QStringList{"CzcionkaDuza", "JRosyjski", "PCOM1", "skorkaZwy"} << false
            << write({{"Lang", "RU"}, {"LangNazw", "russian.lng"}});
        for (int port : {2, 5, 8}) {
            QTest::addRow("port COM%d", port)
                << with(Stored, "Port", QStringLiteral("COM%1").arg(port))
                << QStringList{"CzcionkaDuza", "JPolski", QStringLiteral("PCOM%1").arg(port), "skorkaZwy"} << false
                << write({{"Port", QStringLiteral("COM%1").arg(port)}});
        }
        QTest::newRow("port in lower case ignored") << with(Stored, "Port", "com5") << usual << false << write({});
        QTest::newRow("port above 8 ignored") << with(Stored, "Port", "COM9") << usual << false << write({});
        struct Skin
        {
            const char *setting, *item;
        };
        for (const Skin &s : {Skin{"col", "skorkaKol"}, Skin{"sil", "SkorkaSil"}, Skin{"nak", "SkorkaBez"}}) {
            QTest::addRow("skin %s", s.setting)
                << with(Stored, "skin", s.setting) << QStringList{"CzcionkaDuza", "JPolski", "PCOM1", s.item} << false
                << write({{"skin", s.setting}});
        }
        QTest::newRow("unknown skin keeps the form's") << with(Stored, "skin", "ORD") << usual << false << write({});
        QTest::newRow("comments off") << with(Stored, "comments", 1) << usual << true << write({{"comments", "1"}});
        QTest::newRow("comments as text ignored") << with(Stored, "comments", "yes") << usual << false << write({});
        // A remembered profile applies after the screen's own and stays
        // remembered; only the three smallest are noted in "WielkCzcionki".
        QTest::newRow("dimension 4: 1024 remembered")
            << with(Stored, "dimension", 4) << QStringList{"JPolski", "N1024", "PCOM1", "PamOstRozdz", "skorkaZwy"}
            << false << write({{"WielkCzcionki", "1"}, {"dimension", "4"}});
        QTest::newRow("dimension 1: 640 remembered")
            << with(Stored, "dimension", 1)
            << QStringList{"CzcionkaMala", "JPolski", "PCOM1", "PamOstRozdz", "skorkaZwy"} << false
            << write({{"WielkCzcionki", "0"}, {"dimension", "1"}});
        QTest::newRow("dimension 6: 1280 remembered")
            << with(with(Stored, "dimension", 6), "WielkCzcionki", 0)
            << QStringList{"JPolski", "N1280", "PCOM1", "PamOstRozdz", "skorkaZwy"} << false
            << write({{"WielkCzcionki", "0"}, {"dimension", "6"}});
        QTest::newRow("dimension above 6 ignored") << with(Stored, "dimension", 7) << usual << false << write({});
        QTest::newRow("dimension as text ignored") << with(Stored, "dimension", "big") << usual << false << write({});
        QTest::newRow("missing values written with their defaults")
            << Values{{"Lang", "PL"}, {"Port", "COM3"}}
            << QStringList{"CzcionkaDuza", "JPolski", "PCOM3", "skorkaZwy"} << false << write({{"Port", "COM3"}});
    }
    void storedValuesAreTickedAndWrittenBack()
    {
        QFETCH(Values, stored);
        QFETCH(QStringList, tickedItems);
        prepareStore(stored);
        QVERIFY(startWindow());
        QStringList expected = tickedItems;
        expected.sort();
        QCOMPARE(this->tickedItems(), expected);
        QTEST(commentsOff(), "commentsTicked");
        // A port without a controller has its own messages; the skins none.
        for (const auto &entry : dialogs->entries)
            QVERIFY2(!entry.text.contains(QLatin1String(".skr")) && !entry.text.contains(QLatin1String("skork")),
                     qPrintable(entry.text));
        form->close();
        QTEST(storedValues(), "written");
    }

    // Nothing is written between start and close; the ticks reach the store
    // when the window closes.
    void choicesReachTheStoreAtClose()
    {
        prepareStore(Stored);
        QVERIFY(startWindow());
        form->findChild<QAction *>("JWloski")->trigger();
        form->findChild<QAction *>("PCOM4")->setChecked(true);
        form->findChild<QAction *>("SkorkaSil")->trigger();
        onParameters<QCheckBox>("WylaczkomentarzeCheck")->setChecked(true);
        form->findChild<QAction *>("N1152")->trigger();
        form->findChild<QAction *>("PamOstRozdz")->trigger();
        QCOMPARE(storedValues().value("skin"), QStringLiteral("ord"));
        form->close();
        const QMap<QString, QString> expected = {{"Lang", "IT"},   {"LangNazw", "italiano.lng"}, {"Port", "COM4"},
                                                 {"WielkCzcionki", "1"}, {"skin", "sil"}, {"comments", "1"},
                                                 {"dimension", "5"}};
        QCOMPARE(storedValues(), expected);
    }

    // A skin that cannot be read ends neither the read nor start-up: the
    // settings after it apply, the RPM page polls, and the old tick stays.
    void unreadableSkinEndsNothing()
    {
        QFile skin(QStringLiteral("skins/silver.skr"));
        QVERIFY(skin.rename(QStringLiteral("skins/silver.skr.away")));
        const auto restore = qScopeGuard([] { QFile::rename("skins/silver.skr.away", "skins/silver.skr"); });
        prepareStore(with(Stored, "skin", "sil"));
        QVERIFY(startWindow());
        QCOMPARE(dialogs->entries.size(), 1);
        QVERIFY(dialogs->entries.first().text.contains(QStringLiteral("silver.skr")));
        QVERIFY(ticked("skorkaZwy"));
        QVERIFY(!ticked("SkorkaSil"));
        QVERIFY(form->timers().TimerObr.isActive());
        QVERIFY(form->pages().ObrotyTab->isVisible());

        // From the menu too: the item the click ticked gives the tick back.
        dialogs->entries.clear();
        form->findChild<QAction *>("SkorkaSil")->trigger();
        QCOMPARE(dialogs->entries.size(), 1);
        QVERIFY(ticked("skorkaZwy"));
        form->close();
        QCOMPARE(storedValues().value("skin"), QStringLiteral("ord"));
    }

    // The program as started from its entry, with a prepared store, closed by
    // the window system: the store holds what the window had.
    void theProgramWritesItsStoreWhenClosed()
    {
        prepareStore(with(with(Stored, "Port", "COM1"), "skin", "col"));
        DialogRecorder recorder;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("Form1") && w->isVisible())
                    w->close();
        });
        closer.start(200);
        QCOMPARE(qx::runProgram(*qApp), 0);
        QCOMPARE(storedValues().value("skin"), QStringLiteral("col"));
        QCOMPARE(storedValues().value("Port"), QStringLiteral("COM1"));
        QCOMPARE(storedValues().size(), 7);
    }
};

QTEST_MAIN(TestAppSettings)
#include "tst_app_settings.moc"
