// The drive viewer on a one-hour recording at 20 polls a second (72,000
// lines, seven channels) on the platform it is started on: the file read and
// the first paint, a pan and a zoom with their repaint, resident memory with
// the recording open, and the whole --plot process. Targets: 1 s, 30 ms,
// 150 MB and 3 s. It prints figures and never fails.
#include "DriveRecording.h"
#include "DriveViewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int Polls = 72000;

// A drive that warms up on petrol, changes over, and revs up and down, with
// one poll in two hundred unanswered.
void writeHour(const QString &path)
{
    qxrec::DriveRecordingWriter writer;
    QString error;
    writer.open(path, {8, 4800, "0", "0", true}, &error);
    std::mt19937 rng(7);
    for (int i = 0; i < Polls; ++i) {
        const double t = i / 20.0;
        const bool gas = t > 120;
        const int rpm = int(2200 + 1500 * std::sin(t / 40) + std::uniform_int_distribution<int>(-60, 60)(rng));
        const int period = int(std::lround(4800.0 * 800 / std::max(rpm, 400)));
        const bool rich = std::fmod(t, 0.7) < 0.35;
        const char frame[] = {char(rich ? 40 : 8), char(20 + int(60 * (1 + std::sin(t / 13)))),
                              char(100 + std::min(60, i / 200)), char(200 - i / 600), char(period & 0xFF),
                              char(period >> 8), char(gas ? 255 - (110 + int(20 * std::sin(t / 3))) : 255), 0, 0};
        const bool answered = std::uniform_int_distribution<int>(0, 199)(rng) != 0;
        writer.append({i * 50, answered ? QByteArray(frame, sizeof frame) : QByteArray(), {}});
    }
    writer.close();
}

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString hour = dir.filePath(QStringLiteral("hour.csv"));
    writeHour(hour);
    out << "platform " << QGuiApplication::platformName() << ", " << Polls << " polls\n";

    qx::DriveViewer viewer([](qx::TextKey) { return QStringLiteral("x"); });
    viewer.resize(1280, 860);
    viewer.show();
    QElapsedTimer timer;
    timer.start();
    viewer.openRecording(hour);
    viewer.plot()->replot(QCustomPlot::rpImmediateRefresh);
    QCoreApplication::processEvents();
    out << "read and first paint: " << timer.elapsed() << " ms (target 1000)\n";

    qx::DrivePlot &plot = *viewer.plot();
    QCPAxis *time = plot.axisRect(plot.axisRectCount() - 1)->axis(QCPAxis::atBottom);
    for (const auto &[name, view] : {std::pair{"whole hour", 3600.0}, std::pair{"five minutes", 300.0}}) {
        time->setRange(0, view);
        std::vector<double> pans, zooms;
        for (int i = 0; i < 20; ++i) {
            timer.restart();
            time->moveRange(view / 10);
            plot.replot(QCustomPlot::rpImmediateRefresh);
            pans.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            time->scaleRange(i % 2 ? 2.0 : 0.5);
            plot.replot(QCustomPlot::rpImmediateRefresh);
            zooms.push_back(timer.nsecsElapsed() / 1e6);
        }
        out << name << " in view: pan " << median(pans) << " ms, zoom " << median(zooms) << " ms (target 30)\n";
    }
    out << "resident memory with it open: " << residentMb() << " MB (target 150)\n";

    QProcess program;
    timer.restart();
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/quorvantix"),
                  {QStringLiteral("--plot"), hour, QStringLiteral("-o"), dir.filePath(QStringLiteral("hour.png"))});
    program.waitForFinished(60000);
    out << "--plot of the hour: " << timer.elapsed() << " ms, exit " << program.exitCode() << " (target 3000)\n";
    return 0;
}
