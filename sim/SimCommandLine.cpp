#include "SimCommandLine.h"

#include "SimFault.h"
#include "SimLiveFrame.h"

#include <QCommandLineParser>

#include <cstring>

namespace qxsim {

namespace {

// Options that are settings map onto the scenario command of the same meaning.
struct SettingOption
{
    const char *name;
    const char *valueName;
    const char *description;
    const char *command;
};

const SettingOption settingOptions[] = {
    {"version", "N", "Controller version 3..8 (default 8).", "version"},
    {"threshold", "N", "Analog RPM threshold 0..255 (default 1).", "threshold"},
    {"block", "HEX", "The 37-byte parameter block as hex (default: the\n"
                             "                       reset values, ignition \"4 cylindry\").", "block"},
    {"fault", "NAME[=N]", "Start with a fault injected (see the list below).", "fault"},
    {"pacing", "US", "Microseconds per reply byte (default 1040, as at\n"
                              "                       9600 baud; 0: all at once).", "pacing"},
    {"probe", "KIND", "The car's lambda probe: auto (default), narrow, wide,\n"
                      "                       band or dead[=V] (see 'probe' below).", "probe"},
    {"tps", "DIR", "TPS voltage rising (default) or falling with the throttle.", "tps"},
    {"mixture", "MIX", "\"N [per1000 M]\": the stepper position the car needs\n"
                       "                       at idle (default 100) and its rise per 1000 rpm\n"
                       "                       (default 15).", "mixture"},
};

QString option(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

bool commandLineWantsWindow(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *windowless : {"--no-window", "--help", "-h", "-?"}) {
            if (std::strcmp(argv[i], windowless) == 0)
                return false;
        }
    }
    return true;
}

CommandLine::Outcome CommandLine::parse(const QStringList &arguments, QString *message)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({option("port"), QString(), QStringLiteral("NAME")});
    parser.addOption({option("scenario"), QString(), QStringLiteral("FILE")});
    parser.addOption({option("log"), QString(), QStringLiteral("FILE")});
    parser.addOption({option("no-window"), QString()});
    parser.addOption({option("replay"), QString(), QStringLiteral("FILE")});
    parser.addOption({option("loop"), QString()});
    parser.addOption({option("set"), QString(), QStringLiteral("COMMAND")});
    for (const SettingOption &setting : settingOptions)
        parser.addOption({option(setting.name), QString(), QString::fromLatin1(setting.valueName)});
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return Error;
    }
    if (parser.isSet(QStringLiteral("help")))
        return ShowHelp;
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
        return Error;
    }
    if (parser.isSet(option("port")))
        port = parser.value(option("port"));
    scenarioFile = parser.value(option("scenario"));
    logFile = parser.value(option("log"));
    window = !parser.isSet(option("no-window"));
    replayFile = parser.value(option("replay"));
    loop = parser.isSet(option("loop"));
    if (loop && replayFile.isEmpty()) {
        *message = QStringLiteral("--loop needs --replay");
        return Error;
    }

    QStringList commands;
    for (const SettingOption &setting : settingOptions) {
        for (const QString &value : parser.values(option(setting.name)))
            commands << QString::fromLatin1(setting.command) + QLatin1Char(' ') + value;
    }
    commands << parser.values(option("set"));
    for (const QString &command : commands) {
        ScenarioStep step;
        if (!Scenario::parseCommand(command, &step, message)) {
            message->prepend(QStringLiteral("'%1': ").arg(command));
            return Error;
        }
        settings.append(step);
    }
    return Run;
}

QString CommandLine::helpText()
{
    QString text = QStringLiteral(
        "Usage: quorvantix-sim [options]\n"
        "\n"
        "Simulates a Quorvantix LPG controller fitted to a running car, on a\n"
        "pseudo-terminal that the service program opens as a serial port. The port\n"
        "is published as a symbolic link in $XDG_CONFIG_HOME/Quorvantix/ports/\n"
        "(normally ~/.config/Quorvantix/ports/), where the program looks for com1..com8;\n"
        "the link is removed when the simulator stops (Ctrl+C or SIGTERM too).\n"
        "\n"
        "Options:\n"
        "  --port NAME          Port name to publish (default com1).\n");
    for (const SettingOption &setting : settingOptions) {
        text += QStringLiteral("  --%1 %2").arg(QString::fromLatin1(setting.name), QString::fromLatin1(setting.valueName)).leftJustified(23)
                + QString::fromLatin1(setting.description) + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "  --set COMMAND        Any scenario command at start, e.g. --set \"engine on\"\n"
        "                       (repeatable).\n"
        "  --scenario FILE      Run the timed steps of FILE (format below); ready-made\n"
        "                       ones lie in scenarios/ beside this program.\n"
        "  --log FILE           Write every byte on the wire to FILE, one line per byte:\n"
        "                       monotonic microseconds, prog (from the program) or ctrl\n"
        "                       (from the controller), the byte in hex.\n"
        "  --replay FILE        Answer the live-data requests with the drive recorded\n"
        "                       in FILE by the program's Visualisation page, from the\n"
        "                       first request on, as the recording's controller\n"
        "                       (version, probe, reserve sensor, ignition). A bad\n"
        "                       file stops the simulator before the port opens.\n"
        "  --loop               Start the replay over at its end.\n"
        "  --no-window          Run without the control window.\n"
        "  -h, --help           Show this text.\n"
        "\n"
        "The controller answers:\n"
        "  1      version: 8 bytes, the version then 01 'Q' 'X' 'S' 'I' 'M' 00\n"
        "  2      live data: 8 bytes before version 5, 9 from it on:\n"
        "         lambda, TPS, temperature and gas level (version 4 on; before: gas\n"
        "         level, 0), engine speed period low and high, stepper (255 - position),\n"
        "         then in 9-byte frames the sum of bytes 0..6 and 0 (8-byte frames: 0)\n"
        "  9      the 37-byte parameter block\n"
        "  AA 22  analog RPM threshold: 22, threshold\n"
        "Every parameter write (commands 5..8, 11, 15, 18..28, 30..32, AA 23) is kept\n"
        "and read back by command 9; AA opens and 0A closes a configuration block.\n"
        "Unknown command bytes are ignored. Replies start at once and go out one byte\n"
        "per pacing interval.\n"
        "\n"
        "Faults (--fault NAME[=N], 'fault NAME[=N]' in a scenario, or the window):\n");
    text += faultHelp();
    text += QLatin1Char('\n') + Scenario::help();
    return text;
}

} // namespace qxsim
