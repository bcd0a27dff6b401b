#include "CommandLine.h"
#include "PlotCommand.h"
#include "ProgramEntry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = qx::runCommandLine(argc, argv, qx::plotRecording))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = qx::refuseArgumentsLeft(QApplication::arguments()))
        return *status;
    QApplication::setApplicationName(QStringLiteral("Quorvantix"));
    return qx::runProgram(app);
}
