#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

namespace qxsim {

class SimulatedController;

struct ScenarioStep
{
    double atSeconds = 0;
    QString command;                          // as written, for showing
    std::function<void(SimulatedController &)> action;
    bool restarts = false;                    // "loop": start the scenario over
    QByteArray waitFor;                       // "on HEX": the program's bytes the steps below wait for
};

// Timed steps that drive the simulator, one per line: "at SECONDS COMMAND",
// and "on HEX" lines after which the times count from the moment the
// program has sent those bytes.
// help() lists the commands; the command line uses the same commands for
// its settings.
class Scenario
{
public:
    static QString help();
    // One command without its time, e.g. "rpm 2500 over 2".
    static bool parseCommand(const QString &command, ScenarioStep *step, QString *error);

    bool parse(const QString &text, QString *error);
    bool load(const QString &path, QString *error);
    const QVector<ScenarioStep> &steps() const { return m_steps; }

private:
    QVector<ScenarioStep> m_steps;
};

} // namespace qxsim
