// Prints how long each instrument takes to paint at layout scales 1.0 and 1.608:
// the median of many paints into an image while the value keeps changing
// (the face comes from its cache), and the median of paints that must draw
// the face anew as after a resize.
#include "presets.h"
#include "tab180meter.h"
#include "tab270meter.h"
#include "tabhbar.h"
#include "tabled.h"
#include "tabtank.h"
#include "tabthermometer.h"
#include "tgauge.h"
#include "tledmeter.h"
#include "tscope.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Case
{
    const char *name;
    QSize design;
    std::function<QWidget *()> make;
    std::function<void(QWidget *, int)> vary; // a new value for paint number i
};

template <typename W, typename Setup>
std::function<QWidget *()> made(Setup setup)
{
    return [setup] {
        auto *w = new W;
        setup(*w);
        return w;
    };
}

std::function<void(QWidget *, int)> sweep(const char *property, int from, int to)
{
    return [=](QWidget *w, int i) { w->setProperty(property, from + (i * 37) % (to - from + 1)); };
}

QSize scaled(QSize size, double scale)
{
    return QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)));
}

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

// Paints `count` times; `between` runs before each paint and is not timed.
double timePaints(QWidget *w, int count, const std::function<void(int)> &between)
{
    QImage image(w->size() * 2, QImage::Format_ARGB32_Premultiplied);
    std::vector<qint64> times;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        between(i);
        clock.start();
        w->render(&image);
        times.push_back(clock.nsecsElapsed());
    }
    return medianMicroseconds(times);
}

// Fills a chart with a full width of busy traces, then freezes it.
void fillScope(TScope *scope)
{
    for (int c = 0; c < TScope::channelCount; ++c)
        scope->setChannelEnabled(TScope::Channel(c), true);
    scope->setInterval(1);
    scope->show();
    int tick = 0;
    QTimer levels;
    QObject::connect(&levels, &QTimer::timeout, [&] {
        ++tick;
        for (int c = 0; c < TScope::channelCount; ++c)
            scope->setPosition(TScope::Channel(c), int(50 + 45 * std::sin(tick * 0.3 + c)));
    });
    levels.start(5);
    QElapsedTimer clock;
    clock.start();
    const qint64 fill = qint64(scope->width() / (scope->gridSize() / 100.0)) + 200;
    while (clock.elapsed() < fill)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    scope->setActive(false);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const std::vector<Case> cases = {
        {"TAb270Meter", {220, 220},
         made<TAb270Meter>([](TAb270Meter &m) { Presets::engineSpeedMeter(m, QStringLiteral("Obroty"), QStringLiteral("RPM")); }),
         sweep("Digit", 0, 8000)},
        {"TAb180Meter", {210, 148}, made<TAb180Meter>(Presets::throttleMeter), sweep("Digit", 0, 240)},
        {"TAbHBar", {300, 54}, made<TAbHBar>(Presets::lambdaBar), sweep("Digit", 0, 60)},
        {"TAbThermometer", {66, 210}, made<TAbThermometer>(Presets::reducerThermometer), sweep("Digit", 96, 155)},
        {"TAbTank", {96, 210}, made<TAbTank>(Presets::stepperTank), sweep("Digit", 0, 255)},
        {"TAbLED", {120, 32}, made<TAbLED>([](TAbLED &l) { l.setCaption(QStringLiteral("Benzyna")); }),
         [](QWidget *w, int i) { w->setProperty("Checked", i % 2 == 0); }},
        {"TLEDMeter", {30, 210}, made<TLEDMeter>(Presets::lambdaLedMeter), sweep("Position", 1, 90)},
        {"TGauge", {46, 190}, made<TGauge>([](TGauge &) {}), sweep("Progress", 0, 100)},
        {"TScope", {432, 216}, made<TScope>([](TScope &) {}), [](QWidget *, int) {}},
    };

    std::printf("Paint time per widget, median in microseconds (face cached / face drawn anew)\n\n");
    std::printf("%-16s %12s %12s %14s %16s\n", "widget", "1.0x", "1.608x", "1.0x new face", "1.608x new face");
    for (const Case &c : cases) {
        double cached[2] = {};
        double fresh[2] = {};
        const double scales[2] = {1.0, 1.608};
        for (int s = 0; s < 2; ++s) {
            std::unique_ptr<QWidget> w(c.make());
            const QSize size = scaled(c.design, scales[s]);
            w->resize(size);
            if (auto *scope = qobject_cast<TScope *>(w.get()))
                fillScope(scope);
            QWidget *widget = w.get();
            timePaints(widget, 20, [&](int i) { c.vary(widget, i); }); // warm up
            cached[s] = timePaints(widget, 500, [&](int i) { c.vary(widget, i); });
            // One pixel wider and back: the face no longer fits and is drawn anew.
            fresh[s] = timePaints(widget, 60, [&](int i) {
                widget->resize(size + QSize(i % 2, 0));
                c.vary(widget, i);
            });
        }
        std::printf("%-16s %12.1f %12.1f %14.1f %16.1f\n", c.name, cached[0], cached[1], fresh[0], fresh[1]);
    }
    return 0;
}
