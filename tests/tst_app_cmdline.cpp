// The program's command line, run as a fitter runs it: with no display, its
// own settings, comparing parameter files and telling what it found by its
// output and exit status.
#include "ControlTexts.h"
#include "LanguageChoices.h"
#include "LanguageControls.h"
#include "LanguageFile.h"
#include "ParameterFile.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "TestFiles.h"

#include <QComboBox>
#include <QtTest>

using qx::ParameterFileKind;

namespace {

using Values = QMap<int, QByteArray>;

// A plausible car, and the same car with every parameter changed.
const Values Base = {
    {100, "0"}, {101, "0,45"}, {102, "1800"}, {103, "0"}, {104, "0,8"}, {105, "10"}, {106, "10"}, {107, "5000"},
    {108, "0"}, {109, "0"}, {110, "100"}, {111, "0"}, {112, "200"}, {113, "50"}, {114, "5"}, {115, "500"}, {116, "500"},
    {117, "0"}, {118, "1"}, {119, "30"}, {120, "1500"}, {121, "20"}, {122, "3"}, {123, "0"}, {124, "0"}, {126, "0"},
};
const Values Other = {
    {100, "3"}, {101, "0,50"}, {102, "2000"}, {103, "1"}, {104, "1,2"}, {105, "11"}, {106, "12"}, {107, "5500"},
    {108, "1"}, {109, "1"}, {110, "150"}, {111, "5"}, {112, "190"}, {113, "60"}, {114, "6"}, {115, "400"}, {116, "450"},
    {117, "1"}, {118, "0"}, {119, "35"}, {120, "1600"}, {121, "25"}, {122, "4"}, {123, "1"}, {124, "1"}, {126, "1"},
};

Values changed(Values values, int code, const QByteArray &value)
{
    if (value.isNull())
        values.remove(code);
    else
        values[code] = value;
    return values;
}

QByteArray fileOf(const Values &values, const QByteArray &extraLines = {})
{
    QByteArray bytes = "#---made by the test\r\n";
    for (auto it = values.begin(); it != values.end(); ++it)
        bytes += QByteArray::number(it.key()) + ':' + it.value() + "\r\n";
    return bytes + extraLines;
}

QStringList linesOf(const QByteArray &output)
{
    return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Settings as the program writes them at exit, language code and file.
QByteArray settingsOf(const QByteArray &code, const QByteArray &file)
{
    return "[Param]\nLang=" + code + "\nLangNazw=" + file + "\nPort=COM1\nskin=ord\ncomments=0\ndimension=0\n";
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestAppCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir home_;
    QString programFolder_ = QDir::currentPath();

    QString configHome() const { return home_.filePath(QStringLiteral("config")); }
    QString filePath(const QString &name) const { return home_.filePath(QStringLiteral("files/") + name); }

    // Starts the program with no display at all: a window it opened by
    // mistake would end it with an error.
    Run run(const QStringList &arguments, const QString &workingDirectory)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workingDirectory);
        process.start(QStringLiteral(QX_PROGRAM), arguments);
        Run result;
        if (process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit)
            result.status = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    Run diff(const QByteArray &left, const QByteArray &right, const QString &workingDirectory)
    {
        createFile(filePath("a.qx4"), left);
        createFile(filePath("b.qx4"), right);
        return run({QStringLiteral("--diff"), filePath("a.qx4"), filePath("b.qx4")}, workingDirectory);
    }

    void useSettings(const QByteArray &ini)
    {
        QDir(configHome()).removeRecursively();
        QVERIFY(QDir().mkpath(configHome() + QStringLiteral("/Quorvantix")));
        if (!ini.isEmpty())
            createFile(configHome() + QStringLiteral("/Quorvantix/Quorvantix.ini"), ini);
    }

    QByteArray storedSettings() const
    {
        QFile file(configHome() + QStringLiteral("/Quorvantix/Quorvantix.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the Parameters page shows for every difference of the two cars,
    // once the language file's texts are on its controls as the window puts
    // them there.
    QStringList pageLines(const QString &languageFile)
    {
        qx::ParameterSet set;
        QComboBox threshold;
        qx::ParametersPage page(set, &threshold);
        if (!languageFile.isEmpty()) {
            const auto controls = qx::namedControls(page);
            const QByteArray encoding = qx::findLanguageFile(languageFile)->encoding;
            for (const qx::LanguageLine &line : qx::readLanguageLines(shippedFile(QX_LANG, languageFile), encoding)) {
                const qx::ControlEntry *entry = qx::findControlEntry(line.key);
                for (const qx::LanguageControl &how : entry ? entry->controls : QList<qx::LanguageControl>())
                    for (QObject *control : controls.values(QLatin1String(how.name)))
                        qx::setControlText(*control, how, line.text);
            }
        }
        const auto shown = [&](const qx::ParameterFileRow &row, const QByteArray &value) {
            if (row.kind == ParameterFileKind::Tick)
                return QString::fromLatin1(value == "1" ? "[x]" : "[ ]");
            if (row.kind == ParameterFileKind::List)
                return page.listEntryText(row.param, value.toInt());
            return QString::fromLatin1(value);
        };
        QStringList lines;
        for (const qx::ParameterFileRow &row : qx::parameterFileRows())
            if (row.kind != ParameterFileKind::Comment)
                lines << QStringLiteral("%1 %2: %3 -> %4")
                             .arg(row.code)
                             .arg(page.captionText(row.param), shown(row, Base[row.code]), shown(row, Other[row.code]));
        return lines;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("files")));
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("data")));
    }

    // Every parameter changed: one line each in file order, with the caption
    // and list entries the window shows in the language it starts in.
    void everyParameterDiffers_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("shownLanguage");
        QTest::addColumn<bool>("inFilesFolder");
        QTest::newRow("no settings yet: Polish") << QByteArray() << "polish.lng" << false;
        QTest::newRow("English") << settingsOf("EN", "english.lng") << "english.lng" << false;
        QTest::newRow("English, run in the files' folder") << settingsOf("EN", "english.lng") << "english.lng" << true;
        QTest::newRow("the code decides, as at start-up") << settingsOf("EN", "polish.lng") << "english.lng" << false;
        QTest::newRow("no code stored: built-in Polish") << settingsOf("", "english.lng") << QString() << false;
    }
    void everyParameterDiffers()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, shownLanguage);
        QFETCH(bool, inFilesFolder);
        useSettings(settings);
        const Run result = diff(fileOf(Base), fileOf(Other), inFilesFolder ? filePath(QString()) : programFolder_);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.status, 1);
        const QStringList expected = pageLines(shownLanguage);
        QCOMPARE(expected.size(), 26);
        QCOMPARE(linesOf(result.out), expected);
        // The comparison only reads the settings.
        QCOMPARE(storedSettings(), settings);
    }

    void comparisons_data()
    {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("errors");
        QTest::newRow("equal sets") << fileOf(Base) << fileOf(Base) << 0 << QStringList() << QString();
        QTest::newRow("a list by its entry") << fileOf(Base) << fileOf(changed(Base, 100, "1")) << 1
                                             << QStringList{"100 Rodzaj sondy lambda: 0 - 1 [V] -> 0 - 5 [V]"}
                                             << QString();
        QTest::newRow("a tick") << fileOf(Base) << fileOf(changed(Base, 117, "1")) << 1
                                << QStringList{"117 Lambda - BOSCH: [ ] -> [x]"} << QString();
        QTest::newRow("a value one file lacks") << fileOf(Base) << fileOf(changed(Base, 107, {})) << 1
                                                << QStringList{"107 Maksymalne obroty na gazie: 5000 -> -"}
                                                << QString();
        QTest::newRow("a list without a selection") << fileOf(changed(Base, 124, "-1")) << fileOf(Base) << 1
                                                    << QStringList{"124 Typ szkiełka rezerwy: \"\" -> 20K"}
                                                    << QString();
        QTest::newRow("a short line is told, the rest compared")
            << fileOf(Base) << fileOf(changed(Base, 110, "120"), "x\r\n") << 1
            << QStringList{"110 Delta obrotów: 100 -> 120"} << "quorvantix: Błąd w pliku %b\n";
    }
    void comparisons()
    {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, right);
        QFETCH(QString, errors);
        useSettings({});
        const Run result = diff(left, right, programFolder_);
        QCOMPARE(QString::fromUtf8(result.err), QString(errors).replace("%b", filePath("b.qx4")));
        QTEST(linesOf(result.out), "lines");
        QTEST(result.status, "status");
    }

    // A file that cannot be read or is refused: the reason on stderr in the
    // program's words, nothing compared.
    void unreadableFile_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QStringList>("errors");
        const QString good = filePath("good.qx4");
        const QString missing = filePath("missing.qx4");
        const QString folder = home_.filePath(QStringLiteral("files"));
        const QString refused = filePath("refused.qx4");
        const QString badList = filePath("badlist.qx4");
        QTest::newRow("a missing file") << missing << good << QStringList{missing + ": No such file or directory"};
        QTest::newRow("a folder") << good << folder << QStringList{folder + ": Not a regular file"};
        QTest::newRow("a refused line") << good << refused << QStringList{"Błąd w pliku " + refused + ":5"};
        QTest::newRow("a list entry the page has not") << badList << good
                                                       << QStringList{"Błąd w pliku " + badList + ":2"};
        QTest::newRow("both at fault") << missing << refused
                                       << QStringList{missing + ": No such file or directory",
                                                      "Błąd w pliku " + refused + ":5"};
    }
    void unreadableFile()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QStringList, errors);
        useSettings({});
        createFile(filePath("good.qx4"), fileOf(Base));
        createFile(filePath("refused.qx4"), "100:0\r\n101:0,45\r\n102:1800\r\n#---\r\n103:x\r\n");
        createFile(filePath("badlist.qx4"), "#---\r\n100:5\r\n");
        const Run result = run({QStringLiteral("--diff"), left, right}, programFolder_);
        QCOMPARE(result.out, QByteArray());
        QStringList expected;
        for (const QString &error : errors)
            expected << QStringLiteral("quorvantix: ") + error;
        QCOMPARE(linesOf(result.err), expected);
        QCOMPARE(result.status, 2);
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("^Usage: quorvantix \\[OPTION\\]\n(.*\n)*  --diff FILE1 FILE2 (.*\n)+$");
        const QString tryHelp = QStringLiteral("\nTry 'quorvantix --help' for more information.\n$");
        const auto prints = [](const char *name, const QStringList &arguments, const QString &out) {
            QTest::newRow(name) << arguments << 0 << out << "^$";
        };
        const auto refuses = [&](const char *name, const QStringList &arguments, const QString &message) {
            QTest::newRow(name) << arguments << 2 << "^$" << "^quorvantix: " + message + tryHelp;
        };
        const QString version = QStringLiteral("^quorvantix " QX_PROGRAM_VERSION "\n$");
        prints("--help", {"--help"}, usage);
        prints("-h", {"-h"}, usage);
        prints("--version", {"--version"}, version);
        prints("-v", {"-v"}, version);
        refuses("an unknown option", {"--frobnicate"}, "unknown option '--frobnicate'");
        refuses("--diff with one file", {"--diff", "a.qx4"}, "--diff takes two parameter files");
        refuses("--diff with three files", {"--diff", "a.qx4", "b.qx4", "c.qx4"}, "--diff takes two parameter files");
        refuses("--help with more", {"--help", "me"}, "unexpected argument 'me'");
        refuses("a file without an option", {"a.qx4"}, "unexpected argument 'a.qx4'");
        // Qt's own options are left to QApplication, with or without their values.
        prints("Qt's options beside --version",
               {"-style", "Fusion", "--stylesheet=a.qss", "-reverse", "-platform", "xcb", "--version"}, version);
        prints("a Qt option's value is no file", {"-qwindowtitle", "a.qx4", "-h"}, usage);
        refuses("Qt's options beside an unknown one", {"-style", "Fusion", "-frobnicate"},
                "unknown option '-frobnicate'");
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        useSettings({});
        const Run result = run(arguments, programFolder_);
        QVERIFY2(QRegularExpression(out).match(QString::fromUtf8(result.out)).hasMatch(), result.out.constData());
        QVERIFY2(QRegularExpression(err).match(QString::fromUtf8(result.err)).hasMatch(), result.err.constData());
        QTEST(result.status, "status");
    }
};

QTEST_MAIN(TestAppCommandLine)
#include "tst_app_cmdline.moc"
