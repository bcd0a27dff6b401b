// The as-found copy against the simulated controller: made at the first block
// after an identification, before anything is written, from the block as the
// controller sent it, and without a byte more on the wire.
#include "AsFoundFolder.h"
#include "ParameterFile.h"
#include "TestBytes.h"
#include "TestFiles.h"
#include "WindowOnSimulator.h"

#include <QStatusBar>
#include <QtTest>

namespace {

const QString RawNote = QStringLiteral("#raw:");

// The lines of a file whose text starts with a note.
QString noteOf(const QByteArray &file, const QString &note)
{
    for (const QByteArray &line : file.split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (text.startsWith(note))
            return text.mid(note.size());
    }
    return QString();
}

} // namespace

class TestAppAsFound : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QString folder() const { return qx::AsFoundFolder::defaultPath(); }
    QStringList copies() const { return QDir(folder()).entryList({"*.qx4"}, QDir::Files, QDir::Name); }
    QByteArray copy(const QString &name) const { return fileBytes(QDir(folder()).filePath(name)); }
    static QString hexOf(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex(' ')); }

    // For each byte the car takes from the program: was there a copy?
    void watchCopies()
    {
        copyPresent.clear();
        sim.setReceiveHook([this](quint8) { copyPresent << !copies().isEmpty(); });
    }

    QList<bool> copyPresent;

private slots:
    void init()
    {
        sim.restoreDefaults();
        QDir(folder()).removeRecursively();
    }

    void cleanup()
    {
        sim.setReceiveHook(nullptr);
        closeWindow();
    }

    // Start, F2, F4: the copy exists before the first byte of the write, holds
    // the simulator's block, and the wire carries what it always did.
    void copyExistsBeforeTheFirstWrite()
    {
        makeWindow();
        clearWire();
        watchCopies();
        form->FormCreate();
        QCOMPARE(sent(), hex("01 01 aa 22 0a 01 09"));
        clearWire();
        form->menu().ParButton->trigger();
        QCOMPARE(sent(), hex("1f 02 00 01 aa 22 0a 09 01 01"));
        // The page as read, saved as "zapisz do pliku" would save it.
        const QByteArray pageFile =
            qx::writeParameterFile([this](qx::Param p) { return form->pages().ParametryTab->controlValue(p); });
        clearWire();
        form->menu().ObrButton->trigger();
        const QByteArray written = sent();
        const qsizetype write = written.indexOf(hex("aa 1e"));
        QVERIFY2(write >= 0, "leaving the page writes the parameters");

        const QList<bool> &present = copyPresent;
        const int startUpAndEntry = 7 + 10;
        QCOMPARE(present.size(), startUpAndEntry + int(written.size()));
        QVERIFY2(present[startUpAndEntry + write], "the copy is there when the write's first byte arrives");
        // The entry's first bytes are the ignition type's write.
        QVERIFY2(present[7], "the copy is there before the Parameters page is entered");

        QCOMPARE(copies().size(), 1);
        const QByteArray file = copy(copies().first());
        QCOMPARE(noteOf(file, RawNote), hexOf(sim.startBlock()));
        QVERIFY2(file.startsWith(pageFile), "the copy's values are the page's after the read");
        QVERIFY(copies().first().endsWith(QLatin1String("_v8.qx4")));
    }

    // Ctrl+Shift+F1 on the Parameters page: the next read is another car's.
    void aSecondControllerGetsItsOwnCopy()
    {
        QVERIFY(startWindow());
        form->menu().ParButton->trigger();
        QCOMPARE(copies().size(), 1);
        const QByteArray other = blockBytes({{3, 0x42}, {9, 0x21}}, sim.startBlock());
        sim->setParameterBlock(other);
        // A read without a new identification is no new car.
        form->navigator().odczButPicClick();
        QCOMPARE(copies().size(), 1);
        QTest::keyClick(form.get(), Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
        form->navigator().odczButPicClick();
        QCOMPARE(copies().size(), 2);
        QCOMPARE(noteOf(copy(copies().first()), RawNote), hexOf(sim.startBlock()));
        QCOMPARE(noteOf(copy(copies().last()), RawNote), hexOf(other));
    }

    void aPortChoiceOrAutodetectionArmsAgain_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("port menu") << "PCOM1";
        QTest::newRow("autodetection") << "AutodetekcjaMenu";
    }
    void aPortChoiceOrAutodetectionArmsAgain()
    {
        QFETCH(QString, command);
        QVERIFY(startWindow());
        QCOMPARE(copies().size(), 1);
        form->findChild<QAction *>(command)->trigger();
        form->menu().ParButton->trigger();
        QCOMPARE(copies().size(), 2);
    }

    // No reply, or one short of a block: no copy, and the next whole block
    // after the same identification makes it.
    void noCopyWithoutAWholeBlock_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("silent") << int(qxsim::Fault::Silence);
        QTest::newRow("short block") << int(qxsim::Fault::ShortReply);
    }
    void noCopyWithoutAWholeBlock()
    {
        QFETCH(int, fault);
        sim.setFault(qxsim::Fault(fault));
        makeWindow();
        form->FormCreate();
        QVERIFY(copies().isEmpty());
        sim.setFault(qxsim::Fault::None);
        form->menu().ParButton->trigger();
        QCOMPARE(copies().size(), 1);
        // The page change told the controller an ignition type first.
        QCOMPARE(noteOf(copy(copies().first()), RawNote), hexOf(sim->parameterBlock()));
    }

    // A block the controller never filled is kept as it came, with no values.
    void anUnfilledBlockIsKeptAsRead()
    {
        const QByteArray unfilled = blockBytes({{32, 1}, {33, 1}}, sim.startBlock());
        sim->setParameterBlock(unfilled);
        QVERIFY(startWindow());
        QCOMPARE(copies().size(), 1);
        const QByteArray file = copy(copies().first());
        QCOMPARE(noteOf(file, RawNote), hexOf(unfilled));
        QCOMPARE(noteOf(file, "#ignition:"), QStringLiteral("257"));
        QVERIFY2(!file.contains("\n100:") && !file.startsWith("#---"), "no values for an unfilled block");
    }

    // A folder that cannot be written: one message, and the work goes on.
    void aFailedSaveIsToldAndStartUpGoesOn()
    {
        QDir().mkpath(QFileInfo(folder()).path());
        createFile(folder(), {});
        QVERIFY(startWindow());
        QVERIFY(form->statusPanelText(1).startsWith(QStringLiteral("Nie zapisano kopii ustawień zastanych: ")));
        QVERIFY(form->timers().TimerObr.isActive());
        QCOMPARE(dialogs->entries.size(), 0);
        QFile::remove(folder());
    }
};

QTEST_MAIN(TestAppAsFound)
#include "tst_app_asfound.moc"
