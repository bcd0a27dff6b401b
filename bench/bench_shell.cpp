// The appearance of the main window on the platform it is started on
// (offscreen, or an X server such as Xvfb): a whole profile change through
// each resolution item, each skin applied to the window, and each language
// item's command. Prints median and maximum of 30 runs; the target for a
// profile change is 50 ms, for a language change 30 ms.
#include "MainMenu.h"
#include "PortIo.h"
#include "Skin.h"
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

// No controller: the window is only looked at.
class NoPort final : public qx::PortIo
{
public:
    bool open(const QString &) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool sendByte(quint8) override { return false; }
    bool bytesQueued(qint64 *) override { return false; }
    QByteArray read(qint64) override { return {}; }
    void waitUntilSent(int) override {}
};

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
    QTextStream out(stdout);

    qx::TForm1 form(std::make_unique<NoPort>());
    form.CaptureGeometry();
    form.show();
    form.setScreenArea(qx::ScreenArea{QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 728)});

    out << "Profile changes (each from another profile), " << Runs << " runs:\n";
    const auto items = form.menu().resolutionItems();
    for (size_t i = 0; i < items.size(); ++i) {
        QAction *other = items[(i + 1) % items.size()];
        report(out, items[i]->text(), [other] { other->trigger(); }, [&items, i] { items[i]->trigger(); });
    }

    // Skins are read from "skins" in the current folder.
    const QString skins = QStringLiteral(QX_SKINS);
    QDir::setCurrent(QFileInfo(skins).absolutePath());
    qx::WindowSkin skin(form);
    out << "Skins applied to the window, " << Runs << " runs:\n";
    for (const qx::SkinChoice &choice : qx::skinChoices()) {
        const QString file = QString::fromLatin1(choice.file);
        report(out, file, [] {}, [&skin, &file] { skin.LoadSkin(file); });
    }

    // Language files are read from "lang" in the same folder.
    out << "Language items (each from another language), " << Runs << " runs:\n";
    const auto languages = form.menu().languageItems();
    for (size_t i = 0; i < languages.size(); ++i) {
        QAction *other = languages[(i + 1) % languages.size()];
        report(out, languages[i]->objectName(), [other] { other->trigger(); },
               [&languages, i] { languages[i]->trigger(); });
    }
    return 0;
}
