// The Parameters page's file buttons: a page saved and loaded back is the
// same page; a bad file changes nothing and says where it went wrong.
#include "PageWithFiles.h"
#include "TestFiles.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace qx;

class TestParamsPageFile : public QObject, protected PageWithFiles
{
    Q_OBJECT

    // Everything a file holds, as the page shows it.
    QStringList pageValues() const
    {
        QStringList out;
        for (const ParameterFileRow &row : parameterFileRows())
            if (row.kind != ParameterFileKind::Comment)
                out << QString::number(row.code) + ':' + page->controlValue(row.param);
        return out;
    }

private slots:
    void init() { makePage(); }
    void cleanup() { dropPage(); }

    void savedAndLoadedIsTheSamePage_data()
    {
        QTest::addColumn<QStringList>("changes"); // param slot:value pairs by code
        QTest::newRow("reset values") << QStringList{};
        QTest::newRow("everything switched on") << QStringList{"108:1", "117:1", "118:1", "126:1", "109:1", "103:1"};
        QTest::newRow("Bosch ticked keeps the file's times") << QStringList{"117:1", "115:700", "116:300"};
        QTest::newRow("lists without a selection") << QStringList{"100:-1", "103:-1", "109:-1", "123:-1", "124:-1"};
    }
    void savedAndLoadedIsTheSamePage()
    {
        QFETCH(QStringList, changes);
        for (const QString &change : changes)
            for (const ParameterFileRow &row : parameterFileRows())
                if (row.code == change.left(3).toInt())
                    page->setControlValue(row.param, change.mid(4), false);
        const QStringList saved = pageValues();
        QVERIFY(files->WriteParameterFile(path("car.qx4")));

        // Another page altogether, then the file.
        for (QLineEdit *field : page->findChildren<QLineEdit *>())
            field->setText("7");
        for (QComboBox *list : page->findChildren<QComboBox *>())
            list->setCurrentIndex(0);
        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        QVERIFY(files->ReadParameterFile(path("car.qx4")));
        QCOMPARE(pageValues(), saved);
        QCOMPARE(loaded.size(), 1);
        QVERIFY2(loaded.first().first().toBool(), "a file the page wrote is whole");
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void aBadFileChangesNothingAndNamesItsLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("a letter in a field") << QByteArray("102:2500\r\n105:3x\r\n") << "Błąd w pliku\nbad.qx4:2";
        QTest::newRow("a list entry the list has not") << QByteArray("#---\r\n\r\n100:9\r\n")
                                                       << "Błąd w pliku\nbad.qx4:3";
    }
    void aBadFileChangesNothingAndNamesItsLine()
    {
        QFETCH(QByteArray, bytes);
        createFile(path("bad.qx4"), bytes);
        const QStringList before = pageValues();
        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        QVERIFY(!files->ReadParameterFile(path("bad.qx4")));
        QCOMPARE(pageValues(), before);
        QCOMPARE(loaded.size(), 0);
        QCOMPARE(dialogs->entries.size(), 1);
        QTEST(dialogs->entries.first().text, "message");
    }

    void shortLinesAreReportedAndTheRestLoads()
    {
        createFile(path("short.qx4"), "102:3100\r\n\r\n\n105:7\r\n");
        QSignalSpy loaded(files.get(), &ParameterFileCommands::loaded);
        QVERIFY(files->ReadParameterFile(path("short.qx4")));
        QCOMPARE(dialogs->entries.size(), 2);
        QCOMPARE(page->fieldText(P::SwitchRpm), QStringLiteral("3100"));
        QCOMPARE(page->fieldText(P::StepSpeedAboveTps), QStringLiteral("7"));
        QVERIFY2(!loaded.first().first().toBool(), "a file of two values is not a whole page");
    }

    void buttonsAskForTheFileAndCancelDoesNothing()
    {
        const QStringList before = pageValues();
        page->findChild<QPushButton *>("OdczytButtPlik")->click();
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QCOMPARE(dialogs->fileDialogs.first().request.caption, QStringLiteral("Odczyt Plik"));
        QCOMPARE(dialogs->fileDialogs.first().request.folder, dir.filePath("param"));
        QCOMPARE(pageValues(), before);

        dialogs->fileNames << path("kept.qx4");
        page->findChild<QPushButton *>("ZapiszButtPlik")->click();
        QVERIFY(QFile::exists(path("kept.qx4")));
        QCOMPARE(dialogs->fileDialogs.last().request.caption, QStringLiteral("zapisz do pliku"));
    }
};

QTEST_MAIN(TestParamsPageFile)
#include "tst_params_pagefile.moc"
