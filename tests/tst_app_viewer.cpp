// The drive viewer on a drive the simulated car makes on the virtual clock:
// it warms up, changes over to gas and revs. The recording opens from the
// button beside the record button, exports as PNG and PDF, and a damaged
// recording changes nothing; --plot draws a recording with no display.
#include "Controls.h"
#include "DriveViewer.h"
#include "SimScenario.h"
#include "TestFiles.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"

#include <QImage>
#include <QToolButton>
#include <QtTest>

namespace {

const char *const Drive = "at 0 coolant cold\n at 0 engine on\n at 0 coolant 75 over 25\n"
                          "at 20 rpm 2500 over 2\n at 25 throttle 30\n at 26 rpm 3600 over 3\n"
                          "at 32 rpm 2200 over 2\n at 36 rpm 4500 over 3\n at 42 rpm 2500 over 2\n"
                          "at 47 throttle 10\n at 48 rpm 1200 over 3\n";

} // namespace

class TestAppViewer : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QTemporaryDir dir;
    QString recording;

    int plot(const QStringList &arguments, QString *errors = nullptr)
    {
        QProcess program;
        program.start(QStringLiteral(QX_PROGRAM), QStringList{"--plot"} + arguments);
        program.waitForFinished(60000);
        if (errors)
            *errors = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitCode();
    }

private slots:
    void initTestCase()
    {
        qxsim::Scenario drive;
        QString error;
        QVERIFY2(drive.parse(QString::fromLatin1(Drive).replace("\n ", "\n"), &error), qPrintable(error));
        QVERIFY(startWindow());
        sim.runScenario(drive);
        form->menu().WizButton->trigger();
        control<QToolButton>(form->pages().WizualizacjaTab, "NagrywanieButton")->click();
        sim.run(55000);
        recording = form->livePolls().recorder().fileName();
        control<QToolButton>(form->pages().WizualizacjaTab, "PokazNagranieButton")->click();
    }
    void cleanupTestCase() { closeWindow(); }

    void buttonShowsTheRecordingJustStopped()
    {
        qx::DriveViewer *viewer = form->recording().viewer();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(!form->livePolls().recorder().isRecording());
        QVERIFY(viewer->windowTitle().endsWith(QFileInfo(recording).fileName()));
        // Six channels, the sensor's temperature among them, and the fuel band.
        QCOMPARE(viewer->plot()->axisRectCount(), 7);
        QVERIFY2(!viewer->summaryText().contains("Czas na gazie\n    00:00"), qPrintable(viewer->summaryText()));
        const QString shots = qEnvironmentVariable("QX_SHOT_DIR");
        if (!shots.isEmpty()) {
            viewer->resize(1280, 860);
            QVERIFY(viewer->grab().save(shots + QStringLiteral("/viewer-full.png")));
            viewer->plot()->xAxis->setRange(18, 30);
            viewer->plot()->axisRect(0)->axis(QCPAxis::atBottom)->setRange(18, 30);
            viewer->plot()->setCursorPoll(int(21.5 * 20));
            viewer->plot()->replot();
            QVERIFY(viewer->grab().save(shots + QStringLiteral("/viewer-changeover.png")));
            viewer->plot()->fitAll();
        }
    }

    void exportsTheView_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "view.png" << QByteArray("\x89PNG");
        QTest::newRow("pdf") << "view.pdf" << QByteArray("%PDF");
    }
    void exportsTheView()
    {
        QFETCH(QString, name);
        QVERIFY(form->recording().viewer()->plot()->exportView(dir.filePath(name)));
        QTEST(fileBytes(dir.filePath(name)).left(4), "start");
    }

    void damagedRecordingChangesNothing()
    {
        QList<QByteArray> lines = fileBytes(recording).split('\n');
        QVERIFY(lines.size() > 10);
        lines[10] = "100,zz";
        const QString damaged = dir.filePath("damaged.csv");
        createFile(damaged, lines.join('\n'));
        qx::DriveViewer *viewer = form->recording().viewer();
        const QString before = viewer->summaryText();
        QVERIFY(!viewer->openRecording(damaged));
        QCOMPARE(viewer->summaryText(), before);
        QVERIFY(dialogs->entries.last().text.contains(damaged + ":11:"));
    }

    void plotCommand_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("written");
        QTest::newRow("png") << "drive" << "drive.png" << 0 << true;
        QTest::newRow("pdf") << "drive" << "drive.pdf" << 0 << true;
        QTest::newRow("damaged") << "damaged.csv" << "damaged.png" << 2 << false;
        QTest::newRow("no such recording") << "none.csv" << "none.png" << 2 << false;
        QTest::newRow("type it cannot write") << "drive" << "drive.bmp" << 2 << false;
        QTest::newRow("folder it cannot write to") << "drive" << "/proc/drive.png" << 2 << false;
    }
    void plotCommand()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        const QString input = in == QLatin1String("drive") ? recording : dir.filePath(in);
        const QString output = out.startsWith('/') ? out : dir.filePath(out);
        QString errors;
        QTEST(plot({input, "-o", output}, &errors), "status");
        QTEST(QFileInfo::exists(output), "written");
        if (in == QLatin1String("damaged.csv"))
            QVERIFY2(errors.contains(input + ":"), qPrintable(errors));
        if (out.endsWith(".png") && QFileInfo::exists(output))
            QCOMPARE(QImage(output).size(), QSize(1600, 1200));
        QCOMPARE(QDir(dir.path()).entryList({"quorvantix-*"}), QStringList());
    }
};

QTEST_MAIN(TestAppViewer)
#include "tst_app_viewer.moc"
