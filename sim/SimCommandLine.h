#pragma once

#include "SimScenario.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace qxsim {

struct CommandLine
{
    enum Outcome { Run, ShowHelp, Error };

    QString port = QStringLiteral("com1");
    QString scenarioFile;
    QString logFile;
    QString replayFile;
    bool loop = false;
    bool window = true;
    QVector<ScenarioStep> settings;  // applied before the port opens

    Outcome parse(const QStringList &arguments, QString *message);
    static QString helpText();
};

// Decides before the application object exists whether a window will be
// shown, so a window-less run needs no display.
bool commandLineWantsWindow(int argc, char **argv);

} // namespace qxsim
