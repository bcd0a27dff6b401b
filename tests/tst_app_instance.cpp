// Only one copy of the program runs; a copy that was killed does not keep the
// next one from starting.
#include "DialogRecorder.h"
#include "ProgramEntry.h"
#include "SingleInstance.h"
#include "Simulator.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "WireLog.h"

#include <QApplication>
#include <QtTest>

namespace {

// Bytes the program sent since the given wire time.
QByteArray sentSince(const qxsim::Simulator &sim, qint64 micros)
{
    QByteArray out;
    for (const auto &e : sim.wireLog())
        if (e.fromProgram && e.micros >= micros)
            out.append(char(e.byte));
    return out;
}

bool waitForByte(const qxsim::Simulator &sim, qint64 since, char byte, int timeoutMs)
{
    return QTest::qWaitFor([&] { return sentSince(sim, since).contains(byte); }, timeoutMs);
}

} // namespace

class TestAppInstance : public QObject
{
    Q_OBJECT

    TestSettings settings;
    qxsim::Simulator sim;

    std::unique_ptr<QProcess> startProgram()
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->setProgram(QStringLiteral(QX_PROGRAM));
        process->setWorkingDirectory(QFileInfo(QStringLiteral(QX_PROGRAM)).absolutePath());
        process->start();
        return process;
    }

private slots:
    void initTestCase() { QVERIFY2(sim.start(QStringLiteral("com1")), qPrintable(sim.errorString())); }

    void secondCopyOnlySaysSo()
    {
        DialogRecorder dialogs;
        const qx::SingleInstance first(qx::SingleInstance::defaultFolder(), QStringLiteral("plik_unikatowy"));
        QVERIFY(!first.alreadyRunning());
        sim.clearWireLog();
        QCOMPARE(qx::runProgram(*qApp), 0);
        QCOMPARE(dialogs.entries.size(), 1);
        QCOMPARE(dialogs.entries.first().icon, qx::DialogIcon::Information);
        QCOMPARE(dialogs.entries.first().caption, QStringLiteral("Informacja"));
        QCOMPARE(dialogs.entries.first().text, QStringLiteral("Program jest już uruchomiony."));
        QVERIFY(sim.wireLog().isEmpty());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(w->objectName() != QLatin1String("Form1"), "no main window for a second copy");
    }

    void aFolderThatCannotHoldTheGuardDoesNotStopTheProgram()
    {
        QTemporaryDir dir;
        createFile(dir.filePath("not-a-folder"), {});
        const qx::SingleInstance guard(dir.filePath("not-a-folder/Quorvantix"), QStringLiteral("plik_unikatowy"));
        QVERIFY(!guard.alreadyRunning());
        QVERIFY(guard.unguarded());
    }

    void runningCopyIsUndisturbedAndAKilledOneReleasesTheGuard()
    {
        auto first = startProgram();
        QVERIFY(waitForByte(sim, 0, '\x02', 6000));

        const qint64 secondStarted = qxsim::monotonicMicros();
        auto second = startProgram();
        // Time for the second copy to start, by the first copy's clock: 25 of
        // its polls cover the splash and the refusal many times over.
        QVERIFY(QTest::qWaitFor([&] { return sentSince(sim, secondStarted).size() >= 25; }, 30000));
        // The second copy never talked to the controller: the first only polls.
        QCOMPARE(sentSince(sim, secondStarted), QByteArray(sentSince(sim, secondStarted).size(), '\x02'));
        QVERIFY(!sentSince(sim, secondStarted).isEmpty());
        second->kill();
        second->waitForFinished();

        first->kill(); // SIGKILL: no chance to clean up
        first->waitForFinished();
        const qint64 thirdStarted = qxsim::monotonicMicros();
        auto third = startProgram();
        QVERIFY2(waitForByte(sim, thirdStarted, '\x01', 6000), "a copy started after a crash identifies the controller");
        QVERIFY(waitForByte(sim, thirdStarted, '\x02', 3000));
        third->kill();
        third->waitForFinished();
    }
};

QTEST_MAIN(TestAppInstance)
#include "tst_app_instance.moc"
