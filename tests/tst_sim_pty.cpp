// The simulator on a real pseudo-terminal, opened the way the program opens it.
#include "PtyPort.h"
#include "SimScenario.h"
#include "Simulator.h"

#include <QtTest>

using namespace qxsim;

namespace {

constexpr int PacingMicros = 1040;
// Above a nominal figure only a gross stall is a fault; a busy machine may run late.
constexpr int StallMicros = 250000;

} // namespace

class TestSimPty : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    Simulator m_sim;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY2(m_sim.start(QStringLiteral("com3")), qPrintable(m_sim.errorString()));
    }

    void init()
    {
        m_sim.setFault(Fault::None);
        m_sim->setReplyPacingMicros(PacingMicros);
        m_sim.clearWireLog();
    }

    void linkPointsAtTheDevice()
    {
        QCOMPARE(m_sim.linkPath(), m_config.path() + QStringLiteral("/Quorvantix/ports/com3"));
        QCOMPARE(QFileInfo(m_sim.linkPath()).symLinkTarget(), m_sim.devicePath());
    }

    void versionQueryOnTheWire()
    {
        m_sim->setVersion(5);
        QSerialPort port;
        QVERIFY2(openPort(port, m_sim.linkPath()), qPrintable(port.errorString()));
        send(port, QByteArray(1, char(1)));
        const QByteArray reply = readReply(port, 8);
        QCOMPARE(reply.size(), 8);
        QCOMPARE(int(reply.at(0)), 5);

        const QVector<WireEvent> log = m_sim.wireLog();
        QCOMPARE(log.size(), 9);
        QVERIFY(log[0].fromProgram);
        QCOMPARE(log[0].byte, quint8(1));
        for (int i = 1; i < log.size(); ++i) {
            QVERIFY(!log[i].fromProgram);
            QCOMPARE(log[i].byte, quint8(reply.at(i - 1)));
        }
        // Paced like a 9600-baud line from the moment the request came: the
        // eighth byte never leaves before 7 byte times.
        const qint64 span = log.last().micros - log[0].micros;
        QVERIFY2(span >= 7 * PacingMicros && span < 7 * PacingMicros + StallMicros, qPrintable(QString::number(span)));
    }

    void portCanBeReopened()
    {
        for (int round = 0; round < 3; ++round) {
            QSerialPort port;
            QVERIFY(openPort(port, m_sim.linkPath()));
            send(port, QByteArray::fromHex("aa220a"));
            QCOMPARE(readReply(port, 2), QByteArray::fromHex("2201"));
        }
    }

    void busyPortCannotBeOpened()
    {
        m_sim.setFault(Fault::PortBusy);
        for (const QString &name : {m_sim.linkPath(), m_sim.devicePath()}) {
            QSerialPort port;
            QVERIFY2(!openPort(port, name), qPrintable(name));
        }
        m_sim.setFault(Fault::None);
        QSerialPort port;
        QVERIFY2(openPort(port, m_sim.linkPath()), qPrintable(port.errorString()));
    }

    void hangUpMidExchange()
    {
        QSerialPort port;
        QVERIFY(openPort(port, m_sim.linkPath()));
        m_sim.setFault(Fault::HangUp, 2);
        send(port, QByteArray::fromHex("aa22"));
        QTRY_VERIFY(m_sim.devicePath().isEmpty());
        QVERIFY(!QFileInfo::exists(m_sim.linkPath()));
        QVERIFY(!QFileInfo(m_sim.linkPath()).isSymLink());
        QCOMPARE(readReply(port, 2, 100), QByteArray()); // nothing can come any more
        // Our own lock, named after the link, stands until we close.
        port.close();

        m_sim.setFault(Fault::None);
        QVERIFY(!m_sim.devicePath().isEmpty());
        QSerialPort fresh;
        QVERIFY2(openPort(fresh, m_sim.linkPath()), qPrintable(fresh.errorString()));
        send(fresh, QByteArray(1, char(1)));
        QCOMPARE(readReply(fresh, 8).size(), 8);
    }

    void burstArrivesAtOnce()
    {
        m_sim.setFault(Fault::Burst);
        QSerialPort port;
        QVERIFY(openPort(port, m_sim.linkPath()));
        send(port, QByteArray(1, char(2)));
        QCOMPARE(readReply(port, 300).size(), 300);
        // Paced, the 300 bytes would take 312 ms; at once they leave together.
        const QVector<WireEvent> log = m_sim.wireLog();
        QCOMPARE(log.size(), 301);
        const qint64 span = log.last().micros - log[1].micros;
        QVERIFY2(span < 300 * PacingMicros / 2, qPrintable(QString::number(span)));
    }

    void scenarioStepsRunOnTime()
    {
        Scenario scenario;
        QString error;
        QVERIFY2(scenario.parse(QStringLiteral("at 0 version 4\nat 0.2 engine on\n"), &error), qPrintable(error));
        QElapsedTimer timer;
        timer.start();
        m_sim.runScenario(scenario);
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->version(), 4, StallMicros / 1000);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->carState().engineRunning, 200 + StallMicros / 1000);
        // Never before its time.
        QVERIFY2(timer.elapsed() >= 200, qPrintable(QString::number(timer.elapsed())));
    }

    void wireLogFile()
    {
        const QString path = m_config.filePath(QStringLiteral("wire.log"));
        QVERIFY(m_sim.setWireLogFile(path));
        QSerialPort port;
        QVERIFY(openPort(port, m_sim.linkPath()));
        send(port, QByteArray::fromHex("aa22"));
        QCOMPARE(readReply(port, 2).size(), 2);
        // Two bytes each way, each on a line of its own.
        const auto fileLines = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
        };
        QTRY_VERIFY_WITH_TIMEOUT(fileLines().size() >= 5, 5000);
        const QList<QByteArray> lines = fileLines();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+ prog aa$")).match(QString::fromLatin1(lines[0])).hasMatch());
        QVERIFY(lines[2].endsWith(" ctrl 22"));
    }

    void cleanupTestCase()
    {
        const QString link = m_sim.linkPath();
        m_sim.stop();
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(TestSimPty)
#include "tst_sim_pty.moc"
