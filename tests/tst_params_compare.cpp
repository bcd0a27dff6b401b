// A file compared with the page, and an as-found copy restored: what counts
// as a difference, what the dialog shows and does, and what a restore puts on
// the page.
#include "AsFoundCopy.h"
#include "BlockOnPage.h"
#include "PageWithFiles.h"
#include "ParameterCompareDialog.h"
#include "ParameterComparison.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace qx;

namespace {

// Captions and list entries of our own; entries 1 and 2 read alike.
ParameterShowing showing()
{
    return {[](Param param) { return QStringLiteral("caption %1.%2").arg(param.slot).arg(param.part); },
            [](Param, int index) {
                return index < 0 ? QString() : QStringLiteral("entry %1").arg(index == 2 ? 1 : index);
            }};
}

QList<int> valueCodes()
{
    QList<int> codes;
    for (const ParameterFileRow &row : parameterFileRows())
        if (row.kind != ParameterFileKind::Comment)
            codes << row.code;
    return codes;
}

// Every code with the same value.
ParameterValues allAt(const QString &value)
{
    ParameterValues values;
    for (int code : valueCodes())
        values.insert(code, value);
    return values;
}

ParameterValues resetValuesByCode()
{
    const ParameterSet reset = resetParameterSet();
    return valuesOf([&](Param param) { return reset.text(param); });
}

// Values with some changed; an empty text drops the code.
ParameterValues changed(ParameterValues values, std::initializer_list<std::pair<int, const char *>> changes)
{
    for (const auto &[code, text] : changes) {
        if (*text)
            values.insert(code, QString::fromLatin1(text));
        else
            values.remove(code);
    }
    return values;
}

// A file's bytes with value lines changed; an empty value drops the line.
QByteArray withLines(const QByteArray &file, const QMap<int, QByteArray> &changes)
{
    QByteArray out;
    for (const QByteArray &line : file.split('\n')) {
        if (line.isEmpty())
            continue;
        const auto change = changes.constFind(line.left(3).toInt());
        if (change == changes.cend())
            out += line + '\n';
        else if (!change->isEmpty())
            out += line.left(4) + *change + "\r\n";
    }
    return out;
}

} // namespace

class TestParamsCompare : public QObject, protected PageWithFiles
{
    Q_OBJECT

    ParameterCompareDialog *dialog() const
    {
        return page->findChild<ParameterCompareDialog *>(QStringLiteral("PorownanieDialog"));
    }
    bool anyDialog() const
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return dialog() || std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
                   return qobject_cast<ParameterCompareDialog *>(w) != nullptr;
               });
    }
    QList<int> boldCodes(const QTableWidget &table) const
    {
        QList<int> codes;
        for (int r = 0; r < table.rowCount(); ++r)
            if (table.item(r, 0)->font().bold())
                codes << table.item(r, 0)->data(Qt::UserRole).toInt();
        return codes;
    }
    int rowOf(const QTableWidget &table, int code) const
    {
        for (int r = 0; r < table.rowCount(); ++r)
            if (table.item(r, 0)->data(Qt::UserRole).toInt() == code)
                return r;
        return -1;
    }

private slots:
    void init() { makePage(); }
    void cleanup() { dropPage(); }

    void differences_data()
    {
        QTest::addColumn<ParameterValues>("left");
        QTest::addColumn<ParameterValues>("right");
        QTest::addColumn<QList<int>>("differing");
        const ParameterValues reset = resetValuesByCode();
        QTest::newRow("equal sets") << reset << reset << QList<int>{};
        QTest::newRow("one field") << reset << changed(reset, {{102, "3100"}}) << QList<int>{102};
        QTest::newRow("a field's text as is") << reset << changed(reset, {{101, "0,5"}}) << QList<int>{101};
        QTest::newRow("tick 2 against 1") << changed(reset, {{117, "1"}}) << changed(reset, {{117, "2"}})
                                          << QList<int>{};
        QTest::newRow("tick 0 against 1") << reset << changed(reset, {{118, "1"}}) << QList<int>{118};
        QTest::newRow("list entries that read alike") << changed(reset, {{103, "1"}}) << changed(reset, {{103, "2"}})
                                                      << QList<int>{};
        QTest::newRow("list entries that differ") << reset << changed(reset, {{100, "3"}}) << QList<int>{100};
        QTest::newRow("a list without a selection") << reset << changed(reset, {{109, "-1"}}) << QList<int>{109};
        QTest::newRow("a code one side lacks") << reset << changed(reset, {{110, ""}}) << QList<int>{110};
        QTest::newRow("a code both lack") << changed(reset, {{110, ""}}) << changed(reset, {{110, ""}}) << QList<int>{};
        QTest::newRow("every parameter") << allAt("0") << allAt("3") << valueCodes();
    }
    void differences()
    {
        QFETCH(ParameterValues, left);
        QFETCH(ParameterValues, right);
        QList<int> differing;
        const QList<ComparedParameter> rows = compareParameters(left, right, showing());
        for (const ComparedParameter &row : rows)
            if (row.differs)
                differing << row.code;
        QTEST(differing, "differing");
        QCOMPARE(rows.size(), 26);
    }

    void rowsInFileOrderAsShown()
    {
        const ParameterValues left = changed(resetValuesByCode(), {{100, "3"}, {117, "2"}, {110, ""}});
        const QList<ComparedParameter> rows = compareParameters(left, resetValuesByCode(), showing());
        QList<int> codes;
        for (const ComparedParameter &row : rows)
            codes << row.code;
        QList<int> expected;
        for (int code = 100; code <= 126; ++code)
            if (code != 125)
                expected << code;
        QCOMPARE(codes, expected);

        const auto row = [&](int code) { return rows[codes.indexOf(code)]; };
        QCOMPARE(row(100).caption, QStringLiteral("caption 0.0"));
        QCOMPARE(row(116).caption, QStringLiteral("caption 12.1"));
        QCOMPARE(row(100).kind, ParameterFileKind::List);
        QCOMPARE(row(100).left, QStringLiteral("entry 3"));
        QCOMPARE(row(100).right, QStringLiteral("entry 0"));
        QCOMPARE(row(117).left, QStringLiteral("1"));
        QCOMPARE(row(117).right, QStringLiteral("0"));
        QCOMPARE(row(110).left, std::nullopt);
        QCOMPARE(row(110).right, QStringLiteral("500"));
        QCOMPARE(row(101).left, QStringLiteral("0,50"));
    }

    void valuesOfAReadingTakeTheLastOfACode()
    {
        const ParameterFileReading reading =
            readParameterFile("102:2500\r\n#102:1\r\n105:4\r\n102:3100\r\n", [](Param) { return 2; });
        QCOMPARE(valuesOf(reading), (ParameterValues{{102, "3100"}, {105, "4"}}));
    }

    void dialogShowsTheDifferences()
    {
        createFile(path("three.qx4"), withLines(pageFile(), {{102, "3100"}, {118, "1"}, {100, "3"}}));
        const QByteArray before = pageFile();
        files->CompareWithFile(path("three.qx4"));
        QPointer<ParameterCompareDialog> shown = dialog();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->windowTitle(), QStringLiteral("Porównanie parametrów - three.qx4"));

        const auto *table = shown->findChild<QTableWidget *>("PorownanieTabela");
        QCOMPARE(table->rowCount(), 26);
        QCOMPARE(boldCodes(*table), (QList<int>{100, 102, 118}));
        QCOMPARE(shown->findChild<QLabel *>("PorownanieSuma")->text(), QStringLiteral("Różnice: 3 z 26"));
        const int list = rowOf(*table, 100);
        QCOMPARE(table->item(list, 1)->text(), QStringLiteral("0 - 1 [V]"));
        QCOMPARE(table->item(list, 2)->text(), QStringLiteral("0,8 - 1,6 [V]"));
        QCOMPARE(table->item(list, 0)->text(), QStringLiteral("Rodzaj sondy lambda"));
        QCOMPARE(table->item(list, 2)->background(), table->item(list, 0)->background());
        QVERIFY(table->item(list, 0)->background() != table->item(rowOf(*table, 101), 0)->background());
        const int tick = rowOf(*table, 118);
        QCOMPARE(table->item(tick, 1)->checkState(), Qt::Unchecked);
        QCOMPARE(table->item(tick, 2)->checkState(), Qt::Checked);
        QCOMPARE(table->item(rowOf(*table, 102), 2)->text(), QStringLiteral("3100"));

        auto *only = shown->findChild<QCheckBox *>("TylkoRozniceCheck");
        only->setChecked(true);
        int hidden = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            hidden += table->isRowHidden(r);
        QCOMPARE(hidden, 23);
        QVERIFY(!table->isRowHidden(tick));
        only->setChecked(false);
        for (int r = 0; r < table->rowCount(); ++r)
            QVERIFY(!table->isRowHidden(r));

        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        shown->findChild<QPushButton *>("ZamknijButton")->click();
        QTRY_VERIFY(!shown);
        QCOMPARE(pageFile(), before);
        QCOMPARE(loaded.size(), 0);
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void loadFromTheDialog()
    {
        const QByteArray file = withLines(pageFile(), {{102, "3100"}, {118, "1"}, {100, "3"}});
        createFile(path("three.qx4"), file);
        files->CompareWithFile(path("three.qx4"));
        QPointer<ParameterCompareDialog> shown = dialog();
        QVERIFY(shown);
        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        shown->findChild<QPushButton *>("WczytajPlikButton")->click();
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(pageFile(), file);
        QTRY_VERIFY(!shown);
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void aValueTheFileLacksIsADash()
    {
        createFile(path("short.qx4"), withLines(pageFile(), {{110, ""}}));
        files->CompareWithFile(path("short.qx4"));
        QPointer<ParameterCompareDialog> shown = dialog();
        QVERIFY(shown);
        const auto *table = shown->findChild<QTableWidget *>("PorownanieTabela");
        QCOMPARE(boldCodes(*table), QList<int>{110});
        QCOMPARE(shown->findChild<QLabel *>("PorownanieSuma")->text(), QStringLiteral("Różnice: 1 z 26"));
        QCOMPARE(table->item(rowOf(*table, 110), 1)->text(), QStringLiteral("500"));
        QCOMPARE(table->item(rowOf(*table, 110), 2)->text(), QStringLiteral("—"));
        shown->reject();
        QTRY_VERIFY(!shown);
    }

    void aFileThatDoesNotLoadShowsItsErrorAndNoDialog_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // none: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("a bad line") << "bad.qx4" << QByteArray("102:2500\r\n105:3x\r\n")
                                    << QStringLiteral("Błąd w pliku\nbad.qx4:2");
        QTest::newRow("no such file") << "missing.qx4" << QByteArray()
                                      << QFileInfo(path("missing.qx4")).absoluteFilePath() + ": ";
    }
    void aFileThatDoesNotLoadShowsItsErrorAndNoDialog()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (!bytes.isEmpty())
            createFile(dir.filePath(name), bytes);
        const QByteArray before = pageFile();
        files->CompareWithFile(dir.filePath(name));
        QCOMPARE(dialogs->entries.size(), 1);
        QVERIFY2(dialogs->entries.first().text.startsWith(message), qPrintable(dialogs->entries.first().text));
        QVERIFY(!anyDialog());
        QCOMPARE(pageFile(), before);
    }

    void compareButtonAsksForTheFile()
    {
        createFile(path("car.qx4"), pageFile());
        dialogs->fileNames << path("car.qx4");
        page->findChild<QPushButton *>("PorownajButtPlik")->click();
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QCOMPARE(dialogs->fileDialogs.first().request.folder, path("param"));
        QPointer<ParameterCompareDialog> shown = dialog();
        QVERIFY(shown);
        QCOMPARE(shown->differenceCount(), 0);
        shown->reject();
        QTRY_VERIFY(!shown);
    }

    void restoreShowsTheBlock_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("typical") << hex(TypicalBlock);
        QTest::newRow("sensor on, Bosch, cut-off on")
            << blockBytes({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {8, 0x98}, {0, 0x6f}}, hex(TypicalBlock));
    }
    void restoreShowsTheBlock()
    {
        QFETCH(QByteArray, block);
        createFile(path("found.qx4"), asFoundFileBytes({block, 8, QStringLiteral("3")}));
        page->setControlValue(P::SwitchTemperature, "5");
        QSignalSpy status(files.get(), &ParameterFileCommands::statusText);
        QVERIFY(files->RestoreAsFoundFile(path("found.qx4")));
        const PageAfterRead read = pageAfterRead(block);
        QCOMPARE(pageFile(), read.file);
        QCOMPARE(page->fieldText(P::SwitchTemperature), read.switchTemperature);
        QCOMPARE(status.size(), 0);
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void restoringAnUnfilledCopyChangesNothing()
    {
        const QByteArray block = blockBytes({{32, 1}, {33, 1}}, hex(TypicalBlock));
        createFile(path("unfilled.qx4"), asFoundFileBytes({block, 8, std::nullopt}));
        page->setControlValue(P::SwitchTemperature, "5");
        const QByteArray before = pageFile();
        QSignalSpy status(files.get(), &ParameterFileCommands::statusText);
        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        QVERIFY(files->RestoreAsFoundFile(path("unfilled.qx4")));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().first().toString(), "Sterownik nie był skonfigurowany: kopia nie zawiera parametrów");
        QCOMPARE(pageFile(), before);
        QCOMPARE(page->fieldText(P::SwitchTemperature), QStringLiteral("5"));
        QCOMPARE(loaded.size(), 0);
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void restoreButtonOpensTheCopiesFolderAndLeavesTheFileFolder()
    {
        const QByteArray block = hex(TypicalBlock);
        QVERIFY(QDir().mkpath(path("as-found")));
        createFile(path("as-found/2026-12-07_10-41-03_v8.qx4"), asFoundFileBytes({block, 8, std::nullopt}));
        dialogs->fileNames << path("as-found/2026-12-07_10-41-03_v8.qx4");
        page->findChild<QPushButton *>("PrzywrocButtPlik")->click();
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        const DialogRecorder::FileDialog asked = dialogs->fileDialogs.first();
        QVERIFY(!asked.save);
        QCOMPARE(asked.request.folder, path("as-found"));
        QVERIFY(asked.request.newestFirst);
        QCOMPARE(asked.request.caption, page->findChild<QPushButton *>("PrzywrocButtPlik")->toolTip());
        QCOMPARE(page->fieldText(P::SwitchTemperature), QStringLiteral("38"));

        page->findChild<QPushButton *>("OdczytButtPlik")->click();
        QCOMPARE(dialogs->fileDialogs.size(), 2);
        QCOMPARE(dialogs->fileDialogs.last().request.folder, path("param"));
        QVERIFY(!dialogs->fileDialogs.last().request.newestFirst);
    }
};

QTEST_MAIN(TestParamsCompare)
#include "tst_params_compare.moc"
