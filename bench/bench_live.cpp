// The Visualisation page polling the simulator, as a fitter watches it: poll
// rate, CPU of the window's thread and resident memory, first without, then
// with a drive recording running. Run it on a display
// (xvfb-run -a build/bin/bench_live) so the instruments really paint.
#include "ProcessStats.h"
#include "RunningCar.h"
#include "SystemPortIo.h"
#include "TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

constexpr int SettleMs = 2000;
constexpr int WatchMs = 10000;

// Watches the polling for WatchMs after SettleMs, prints what it saw, then goes on.
void watch(QApplication &app, qxsim::Simulator &sim, QTextStream &out, const QString &label,
           std::function<void()> next)
{
    QTimer::singleShot(SettleMs, &app, [&, label, next] {
        sim.clearWireLog();
        const double cpuBefore = stats::cpuSeconds(QStringLiteral("/proc/thread-self/stat"));
        QElapsedTimer watched;
        watched.start();
        QTimer::singleShot(WatchMs, &app, [&, label, next, cpuBefore, watched] {
            const double seconds = watched.nsecsElapsed() / 1e9;
            const int polls = liveRequests(sim);
            const double cpu = 100.0 * (stats::cpuSeconds(QStringLiteral("/proc/thread-self/stat")) - cpuBefore) / seconds;
            out << label << '\n';
            out << QString("  Visualisation page polls: %1 per second over %2 s (nominal 20, at least 19.5)\n")
                       .arg(polls / seconds, 0, 'f', 2).arg(seconds, 0, 'f', 1);
            out << QString("  CPU of the window's thread: %1 % of one core (limit 5 %)\n").arg(cpu, 0, 'f', 2);
            out << QString("  resident memory, simulator included: %1 MB (limit 70 MB)\n")
                       .arg(stats::residentMegabytes(QStringLiteral("/proc/self/status")), 0, 'f', 1);
            out.flush();
            next();
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    QTemporaryDir data;  // the recording's file
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);

    qxsim::Simulator sim;
    if (!startRunningCar(sim, out))
        return 1;

    qx::TForm1 form(qx::makeSystemPortIo());
    form.FormCreate();
    form.showMaximized();
    form.menu().WizButton->trigger();

    auto *record = form.findChild<QToolButton *>(QStringLiteral("NagrywanieButton"));
    watch(app, sim, out, QStringLiteral("Recording off:"), [&] {
        record->click();
        watch(app, sim, out, QStringLiteral("Recording on:"), [&] {
            out << "  recorded: " << form.livePolls().recorder().fileName() << '\n';
            record->click();
            app.quit();
        });
    });
    const int code = app.exec();
    sim.stop();
    return code;
}
