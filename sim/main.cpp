#include "SimCommandLine.h"
#include "Simulator.h"
#include "SimulatorWindow.h"
#include "SimSignals.h"

#include <QApplication>
#include <QTextStream>

#include <memory>
#include <optional>

using namespace qxsim;

int main(int argc, char **argv)
{
    const bool wantsWindow = commandLineWantsWindow(argc, argv);
    std::unique_ptr<QCoreApplication> app(wantsWindow ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("quorvantix-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    CommandLine options;
    QString message;
    switch (options.parse(QCoreApplication::arguments(), &message)) {
    case CommandLine::ShowHelp:
        out << CommandLine::helpText();
        return 0;
    case CommandLine::Error:
        err << "quorvantix-sim: " << message << "\nTry quorvantix-sim --help.\n";
        return 2;
    case CommandLine::Run:
        break;
    }

    Scenario scenario;
    if (!options.scenarioFile.isEmpty() && !scenario.load(options.scenarioFile, &message)) {
        err << "quorvantix-sim: " << message << '\n';
        return 2;
    }
    std::optional<qxrec::DriveRecording> recording;
    if (!options.replayFile.isEmpty()) {
        recording = qxrec::DriveRecording::load(options.replayFile, &message);
        if (!recording) {
            err << message << '\n';
            return 2;
        }
    }
    Simulator simulator;
    for (const ScenarioStep &setting : options.settings) {
        if (setting.action)
            simulator.apply(setting.action);
    }
    if (recording)
        simulator->setReplay(*recording, options.loop);
    if (!options.logFile.isEmpty() && !simulator.setWireLogFile(options.logFile)) {
        err << "quorvantix-sim: " << simulator.errorString() << '\n';
        return 1;
    }
    if (!simulator.start(options.port)) {
        err << "quorvantix-sim: " << simulator.errorString() << '\n';
        return 1;
    }
    simulator.runScenario(scenario);
    quitOnTerminationSignals();
    out << "Controller version " << simulator->version() << " on " << simulator.portName() << ": "
        << simulator.linkPath() << " -> " << simulator.devicePath() << Qt::endl;

    std::unique_ptr<SimulatorWindow> window;
    if (options.window) {
        window = std::make_unique<SimulatorWindow>(simulator);
        window->show();
    }
    const int status = app->exec();
    simulator.stop();
    return status;
}
