// The connection check against the port troubles a fitter meets: a working
// controller, a silent one, a dangling link, a port another process holds,
// a port the user may not open, and no port at all; then the window's part.
#include "BuiltInTexts.h"
#include "ConnectionCheck.h"
#include "ConnectionCheckDialog.h"
#include "DialogRecorder.h"
#include "LanguageTable.h"
#include "PortIoUnderTest.h"
#include "PosixSerialPortIo.h"
#include "TestController.h"
#include "TestSettings.h"
#include "TForm1.h"
#include "MainMenu.h"
#include "VisualisationPage.h"
#include "WireLog.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <unistd.h>

namespace {
using Opening = qx::PortFinding::Opening;
// The non-root account the permission case runs under.
const QString CheckUser = QStringLiteral("qxportcheck");
// Set for the run as that user: the ports folder to look in, since the test's
// own settings take XDG_CONFIG_HOME for themselves.
const char *ChildPorts = "QX_CHECK_PORTS";

QString portsFolder()
{
    return qx::PortNameResolver::defaultPortsFolder();
}

qx::ConnectionCheck linkedCheck()
{
    return qx::ConnectionCheck(&portIoUnderTest, linkedPortsOnly());
}

bool runs(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

Q_DECLARE_METATYPE(qx::PortOrigin::Kind)
Q_DECLARE_METATYPE(Opening)

class TestConnectionCheck : public QObject
{
    Q_OBJECT

    TestSettings settings;
    TestController sim;
    QProcess holder;
    qx::LanguageTable texts;

    QString cure(const qx::PortFinding &finding) const
    {
        return qx::describeFinding(finding, [this](qx::TextKey key) { return texts.text(key); }).cure;
    }

    // A second simulator, in a process of its own, publishing the port and
    // holding it open the way another program would.
    void holdInAnotherProcess(const QString &portName)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        holder.setProcessEnvironment(env);
        holder.start(QStringLiteral(QX_SIMULATOR), {"--port", portName, "--fault", "busy", "--no-window"});
        QVERIFY(holder.waitForStarted());
        const QString link = portsFolder() + QLatin1Char('/') + portName;
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).isSymLink(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(qx::lockedByAnotherProgram(QFileInfo(link).canonicalFilePath()), 10000);
    }

private slots:
    void initTestCase() { qx::SetBuiltInTexts(texts); }

    void cleanup()
    {
        sim.stop();
        if (holder.state() != QProcess::NotRunning) {
            holder.terminate();
            holder.waitForFinished();
        }
        QDir(portsFolder()).removeRecursively();
    }

    void findings_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<qx::PortOrigin::Kind>("kind");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("cureNames");
        QTest::newRow("working simulator") << "working" << qx::PortOrigin::Link << true << Opening::Opened << 8
                                           << "Połączenie działa";
        QTest::newRow("silent simulator") << "silent" << qx::PortOrigin::Link << true << Opening::Opened << 0
                                          << "kabel, zapłon i zasilanie";
        QTest::newRow("dangling link") << "dangling" << qx::PortOrigin::DanglingLink << false << Opening::NotTried
                                       << 0 << "/gone/ttyUSB7";
        QTest::newRow("held by another process") << "busy" << qx::PortOrigin::Link << true << Opening::Busy << 0
                                                 << "quorvantix-sim, pid ";
        QTest::newRow("no port") << "none" << qx::PortOrigin::None << false << Opening::NotTried << 0
                                 << "podłącz adapter";
    }
    void findings()
    {
        QFETCH(QString, setup);
        QFETCH(int, version);
        QFETCH(QString, cureNames);
        const QString port = QStringLiteral("com3");
        if (setup == QLatin1String("working") || setup == QLatin1String("silent")) {
            QVERIFY(sim.startOn(port));
            sim.restoreDefaults();
            if (setup == QLatin1String("silent"))
                sim.setFault(qxsim::Fault::Silence);
        } else if (setup == QLatin1String("dangling")) {
            QVERIFY(QDir().mkpath(portsFolder()));
            QVERIFY(QFile::link(settings.path() + QStringLiteral("/gone/ttyUSB7"), portsFolder() + "/com3"));
        } else if (setup == QLatin1String("busy")) {
            holdInAnotherProcess(port);
        }

        const qx::PortFinding f = linkedCheck().checkPort(port);
        QTEST(f.origin.kind, "kind");
        QTEST(f.exists, "exists");
        QTEST(f.opening, "opening");
        QCOMPARE(f.version, version);
        QVERIFY2(cure(f).contains(cureNames), qPrintable(cure(f)));
        if (setup == QLatin1String("dangling"))
            QVERIFY2(cure(f).contains(portsFolder() + "/com3"), qPrintable(cure(f)));
        if (setup == QLatin1String("busy")) {
            QVERIFY2(cure(f).contains(QString::number(holder.processId())), qPrintable(cure(f)));
            return;
        }
        // Nothing but the version query goes out, and only where a port opened.
        if (setup == QLatin1String("working") || setup == QLatin1String("silent"))
            QCOMPARE(wire::bytes(wire::fromProgram(sim.wireLog())), QByteArray("\x01"));
    }

    // The permission case needs an account without root's rights: the test
    // runs this function again as that user, on a simulator it starts here.
    void permissionDenied()
    {
        if (qEnvironmentVariableIsSet(ChildPorts)) {
            const qx::ConnectionCheck check(&portIoUnderTest,
                                            qx::PortNameResolver(qEnvironmentVariable(ChildPorts), [] { return QStringList(); }));
            const qx::PortFinding f = check.checkPort(QStringLiteral("com2"));
            QCOMPARE(f.opening, Opening::PermissionDenied);
            QVERIFY2(cure(f).contains(QStringLiteral("sudo usermod -aG dialout $USER")), qPrintable(cure(f)));
            return;
        }
        if (::geteuid() != 0)
            QSKIP("needs root to create a user without root's rights");
        if (QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("useradd")).isEmpty())
            QSKIP("runuser or useradd is missing");
        const bool created = !runs(QStringLiteral("id"), {CheckUser});
        if (created && !runs(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                                                         QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                                                         CheckUser}))
            QSKIP("useradd could not create the test user");
        QVERIFY(sim.startOn(QStringLiteral("com2")));
        sim.restoreDefaults();
        // The pseudo-terminal belongs to root; the user's own config folder links to it.
        QTemporaryDir config(QDir::tempPath() + QStringLiteral("/qxcheck-XXXXXX"));
        QVERIFY(QFile::setPermissions(config.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        const QString ports = config.path() + QStringLiteral("/Quorvantix/ports");
        QVERIFY(QDir().mkpath(ports));
        QVERIFY(QFile::link(sim.devicePath(), ports + QStringLiteral("/com2")));
        QString output;
        const bool passed = runs(QStringLiteral("runuser"),
                                 {QStringLiteral("-u"), CheckUser, QStringLiteral("--"), QStringLiteral("env"),
                                  QStringLiteral("%1=%2").arg(QLatin1String(ChildPorts), ports),
                                  QCoreApplication::applicationFilePath(), QStringLiteral("permissionDenied")},
                                 &output);
        if (created)
            runs(QStringLiteral("userdel"), {CheckUser});
        QVERIFY2(passed, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("PASS   : TestConnectionCheck::permissionDenied")), qPrintable(output));
        // The user never reached the controller.
        QVERIFY(sim.wireLog().isEmpty());
    }

    // The window's part: polling paused and the port closed while the dialog
    // shows, both back once it closes.
    void windowPausesAndRestores_data()
    {
        QTest::addColumn<bool>("fromButton");
        QTest::newRow("Port menu") << false;
        QTest::newRow("button beside the no-reply warning") << true;
    }
    void windowPausesAndRestores()
    {
        QFETCH(bool, fromButton);
        QVERIFY(sim.startOn(QStringLiteral("com1")));
        sim.restoreDefaults();
        DialogRecorder dialogs;
        qx::TForm1 form(portIoUnderTest(), linkedPortsOnly());
        qx::SetBuiltInTexts(form.texts());
        form.menu().WizButton->trigger();
        QVERIFY(form.timers().TimerWiz.isActive());
        QVERIFY(form.channel().isOpen());

        if (fromButton) {
            form.showTransmissionError(true);
            auto *button = form.pages().WizualizacjaTab->findChild<QPushButton *>(QStringLiteral("DiagnozaButton"));
            QVERIFY(button && button->isVisibleTo(form.pages().WizualizacjaTab));
            button->click();
        } else {
            form.menu().DiagnozaMenu->trigger();
        }
        auto *dialog = form.findChild<QDialog *>(QStringLiteral("DiagnozaDialog"));
        QVERIFY(dialog);
        QVERIFY(!form.timers().TimerWiz.isActive());
        QVERIFY(!form.channel().isOpen());
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("DiagnozaTabela"));
        QCOMPARE(table->rowCount(), 8);
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("wersja 8"));
        QCOMPARE(table->item(1, 5)->text(), texts.text(qx::TextKey::CureNoPort));
        dialog->reject();
        QTRY_VERIFY(!form.findChild<QDialog *>(QStringLiteral("DiagnozaDialog")));
        QVERIFY(form.timers().TimerWiz.isActive());
        QVERIFY(form.channel().isOpen());
        QCOMPARE(dialogs.entries.size(), 0);
    }
};

QTEST_MAIN(TestConnectionCheck)
#include "tst_link_connection_check.moc"
