// The appearance of the main window on the platform it is started on
// (offscreen, or an X server such as Xvfb), while the RPM page polls the
// simulator as after start-up: a whole profile change through each
// resolution item, each skin applied to the window, and each language item's
// command. Prints median and maximum of 30 runs; the target for a profile
// change is 50 ms, for a skin change 50 ms, for a language change 30 ms. The data (skins/, lang/) is
// read from the folder of the executable, where the build lays it out.
#include "MainMenu.h"
#include "RunningCar.h"
#include "Skin.h"
#include "SkinChoices.h"
#include "SystemPortIo.h"
#include "TForm1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int Runs = 30;

// Runs the action after each preparation, timing the action with the events
// it leaves behind.
void report(QTextStream &out, const QString &name, const std::function<void()> &prepare,
            const std::function<void()> &action)
{
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        action();
        QCoreApplication::processEvents();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    out << qSetFieldWidth(28) << Qt::left << name << qSetFieldWidth(0) << " median " << QString::number(ms[Runs / 2], 'f', 1)
        << " ms, max " << QString::number(ms.back(), 'f', 1) << " ms\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QTextStream out(stdout);

    qxsim::Simulator sim;
    if (!startRunningCar(sim, out))
        return 1;

    qx::TForm1 form(qx::makeSystemPortIo());
    form.FormCreate();
    form.show();
    form.appearance().setScreenArea(qx::ScreenArea{QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 728)});

    out << "Profile changes (each from another profile), " << Runs << " runs:\n";
    const auto items = form.menu().resolutionItems();
    for (size_t i = 0; i < items.size(); ++i) {
        QAction *other = items[(i + 1) % items.size()];
        report(out, items[i]->text(), [other] { other->trigger(); }, [&items, i] { items[i]->trigger(); });
    }

    qx::WindowSkin skin(form);
    out << "Skins applied to the window (each over another skin), " << Runs << " runs:\n";
    const auto &skins = qx::skinChoices();
    for (size_t i = 0; i < skins.size(); ++i) {
        const QString file = QString::fromLatin1(skins[i].file);
        const QString other = QString::fromLatin1(skins[(i + 1) % skins.size()].file);
        report(out, file, [&skin, &other] { skin.LoadSkin(other); }, [&skin, &file] { skin.LoadSkin(file); });
    }

    out << "Language items (each from another language), " << Runs << " runs:\n";
    sim.clearWireLog();
    QElapsedTimer watched;
    watched.start();
    const auto languages = form.menu().languageItems;
    for (size_t i = 0; i < languages.size(); ++i) {
        QAction *other = languages[(i + 1) % languages.size()];
        report(out, languages[i]->objectName(), [other] { other->trigger(); },
               [&languages, i] { languages[i]->trigger(); });
    }
    const int polls = liveRequests(sim);
    out << QString("RPM page polls meanwhile: %1 per second\n").arg(polls / (watched.nsecsElapsed() / 1e9), 0, 'f', 1);
    sim.stop();
    return 0;
}
