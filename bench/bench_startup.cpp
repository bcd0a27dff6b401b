// The program as a fitter starts it, against the simulator: time from process
// start to the first live request on the wire, the RPM page's poll rate, and
// the CPU and memory the polling program uses.
#include "ProcessStats.h"
#include "RunningCar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>


namespace {

// Identification of a version-8 controller: options 403, analog check 203,
// threshold 109, caption 23, ignition type 103 ms of waits and pauses; then
// the first poll one timer interval after the port is opened.
constexpr double SplashMs = 1000;
constexpr double IdentificationMs = 403 + 203 + 109 + 23 + 103;
constexpr double FirstPollMs = 100;
constexpr double WireMs = 7 * 1.04;

QVector<qint64> pollTimes(const qxsim::Simulator &sim, qint64 since)
{
    QVector<qint64> out;
    for (const auto &e : sim.wireLog())
        if (e.fromProgram && e.byte == 2 && e.micros >= since)
            out.append(e.micros);
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/quorvantix");
    qxsim::Simulator sim;
    if (!startRunningCar(sim, out))
        return 1;
    sim->setVersion(8);

    QProcess quorvantix;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    quorvantix.setProcessEnvironment(env);
    quorvantix.setWorkingDirectory(QFileInfo(program).absolutePath());

    const qint64 started = qxsim::monotonicMicros();
    quorvantix.start(program, {});
    QElapsedTimer waited;
    waited.start();
    while (pollTimes(sim, started).isEmpty() && waited.elapsed() < 10000)
        QThread::msleep(5);
    const QVector<qint64> first = pollTimes(sim, started);
    if (first.isEmpty()) {
        out << "the program never polled\n";
        return 1;
    }
    const double startupMs = (first.first() - started) / 1000.0;
    const double nominal = SplashMs + IdentificationMs + FirstPollMs + WireMs;

    // Let it settle, then watch ten seconds of polling.
    QThread::msleep(2000);
    const qint64 pid = quorvantix.processId();
    const qint64 windowStart = qxsim::monotonicMicros();
    const double cpuBefore = stats::cpuSeconds(QStringLiteral("/proc/%1/stat").arg(pid));
    QThread::msleep(10000);
    const double cpuUsed = stats::cpuSeconds(QStringLiteral("/proc/%1/stat").arg(pid)) - cpuBefore;
    const qint64 windowEnd = qxsim::monotonicMicros();
    const QVector<qint64> polls = pollTimes(sim, windowStart);
    const double seconds = (windowEnd - windowStart) / 1e6;
    const double rate = polls.size() > 1 ? (polls.size() - 1) / ((polls.last() - polls.first()) / 1e6) : 0;
    const double rss = stats::residentMegabytes(QStringLiteral("/proc/%1/status").arg(pid));

    out << QString("start-up to first live request: %1 ms (nominal %2 ms, limit %3 ms)\n")
               .arg(startupMs, 0, 'f', 1).arg(nominal, 0, 'f', 1).arg(nominal + 150, 0, 'f', 1);
    out << QString("RPM page polls: %1 per second over %2 s (nominal 10.00, within 2%: 9.80 to 10.20)\n")
               .arg(rate, 0, 'f', 3).arg(seconds, 0, 'f', 1);
    out << QString("CPU while polling: %1 % of one core (limit 2 %)\n").arg(100.0 * cpuUsed / seconds, 0, 'f', 2);
    out << QString("resident memory: %1 MB (limit 60 MB)\n").arg(rss, 0, 'f', 1);

    quorvantix.kill();
    quorvantix.waitForFinished();
    sim.stop();
    return 0;
}
