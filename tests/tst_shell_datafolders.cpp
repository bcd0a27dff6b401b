#include "DataFolders.h"
#include "TestFiles.h"

#include <QtTest>

using namespace qx;

namespace {

// Three folders as the program sees them; each letter of holding ("w", "p",
// "i") puts lang/polish.lng into the working, program or installed folder.
struct Layout
{
    QTemporaryDir root;
    DataFolders folders;

    explicit Layout(const QString &holding)
    {
        folders = {root.filePath("work"), root.filePath("usr/bin"), root.filePath("usr/share/quorvantix")};
        const QList<std::pair<QChar, QString>> places = {
            {'w', folders.working}, {'p', folders.program}, {'i', folders.installed}};
        for (const auto &[letter, folder] : places) {
            QDir().mkpath(folder);
            if (!holding.contains(letter))
                continue;
            QDir().mkpath(folder + "/lang");
            createFile(folder + "/lang/polish.lng", {});
        }
    }
};

} // namespace

class DataFoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void lookupOrder_data()
    {
        QTest::addColumn<QString>("holding");
        QTest::addColumn<QString>("found"); // nowhere: named in the working folder
        QTest::addColumn<bool>("installed");
        QTest::newRow("working only") << "w" << "w" << false;
        QTest::newRow("working wins over program") << "wp" << "w" << false;
        QTest::newRow("working wins over installed") << "wi" << "w" << false;
        QTest::newRow("program only") << "p" << "p" << false;
        QTest::newRow("program wins over installed") << "pi" << "p" << false;
        QTest::newRow("installed only") << "i" << "i" << true;
        QTest::newRow("nowhere") << "" << "w" << false;
    }
    void lookupOrder()
    {
        QFETCH(QString, holding);
        const Layout layout(holding);
        const DataFolders &f = layout.folders;
        QFETCH(QString, found);
        const QString folder = found == "p" ? f.program : found == "i" ? f.installed : f.working;
        QCOMPARE(dataFilePath(f, "lang/polish.lng"), QDir(folder).filePath("lang/polish.lng"));
        QCOMPARE(dataFilePath(f, "lang"), QDir(folder).filePath("lang"));
        QFETCH(bool, installed);
        QCOMPARE(runsInstalled(f), installed);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(parameterHome(f), installed ? documents : f.working);
    }

    // Each kind of data comes whole from the first folder holding its
    // folder: a fitter's own skins/ is used while the languages still come
    // from the installation, and a file missing there is not taken from
    // another folder's set.
    void eachKindFromTheFirstFolderHoldingIt()
    {
        const Layout layout("pi");
        const DataFolders &f = layout.folders;
        QVERIFY(QDir().mkpath(f.working + "/skins"));
        QVERIFY(QDir().mkpath(f.installed + "/skins"));
        createFile(f.installed + "/skins/default.skr", {});
        QCOMPARE(dataFilePath(f, "skins/default.skr"), f.working + "/skins/default.skr");
        QCOMPARE(dataFilePath(f, "lang/polish.lng"), f.program + "/lang/polish.lng");
        QVERIFY(QFile::remove(f.program + "/lang/polish.lng"));
        QCOMPARE(dataFilePath(f, "lang/polish.lng"), f.program + "/lang/polish.lng");
    }

    // The built program has its data laid beside it, so it is never taken
    // for an installed one, wherever it is started.
    void builtProgramIsNotInstalled()
    {
        const DataFolders f = programDataFolders();
        QCOMPARE(f.working, QDir::currentPath());
        QCOMPARE(f.program, QCoreApplication::applicationDirPath());
        QVERIFY(!runsInstalled(f));
        QCOMPARE(QFileInfo(f.installed).fileName(), QStringLiteral("quorvantix"));
    }
};

QTEST_GUILESS_MAIN(DataFoldersTest)
#include "tst_shell_datafolders.moc"
