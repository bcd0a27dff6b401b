// What the simulator costs while nobody talks to it: CPU of the whole process
// (the engine's thread does all the work) over a few seconds, with the car
// standing and with the engine running.
#include "ProcessStats.h"
#include "Simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <functional>

namespace {

constexpr int WatchMs = 3000;

// Percent of one core the process used while the simulator ran alone.
double idleCpuPercent()
{
    const QString statFile = QStringLiteral("/proc/self/stat");
    const double before = stats::cpuSeconds(statFile);
    QElapsedTimer watched;
    watched.start();
    QThread::msleep(WatchMs);
    return 100.0 * (stats::cpuSeconds(statFile) - before) / (watched.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    qxsim::Simulator sim;
    if (!sim.start(QStringLiteral("com1"))) {
        out << "simulator: " << sim.errorString() << "\n";
        return 1;
    }

    struct Case
    {
        const char *name;
        std::function<void()> setUp;
    };
    const Case cases[] = {
        {"car standing", [&] { sim->car().setEngineRunning(false); }},
        {"engine at 2500 rpm", [&] {
             sim->car().setEngineRunning(true);
             sim->car().setTargetRpm(2500, 0.1);
         }},
    };
    for (const Case &c : cases) {
        c.setUp();
        out << QString("simulator alone, %1: %2 % of one core over %3 s (limit 10 %)\n")
                   .arg(QLatin1String(c.name), -20)
                   .arg(idleCpuPercent(), 0, 'f', 2)
                   .arg(WatchMs / 1000.0, 0, 'f', 1);
        out.flush();
    }
    sim.stop();
    return 0;
}
