#include "CommandLine.h"

#include "ParameterDiff.h"
#include "ProgramVersion.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace qx {

namespace {

const char *const Usage =
    "Usage: quorvantix [OPTION]\n"
    "Service and configuration of the Quorvantix LPG controller. Without an option\n"
    "the program opens its window.\n"
    "\n"
    "  --diff FILE1 FILE2  print the parameters two parameter files (*.qx4) hold\n"
    "                      differently, one a line, in file order:\n"
    "                        code caption: value in FILE1 -> value in FILE2\n"
    "                      Captions and list entries are in the program's language;\n"
    "                      a tick shows as [x] or [ ], a value a file lacks as -,\n"
    "                      a list without a selection as \"\".\n"
    "  --plot FILE -o OUT  draw the drive recording FILE (*.csv) into OUT, a .png\n"
    "                      or .pdf picture, as the drive viewer shows it; needs\n"
    "                      no display\n"
    "  -h, --help          show this help and exit\n"
    "  -v, --version       show the program's version and exit\n"
    "\n"
    "Exit status of --diff: 0 the files hold the same parameters, 1 they differ,\n"
    "2 a file could not be read or was refused. Of --plot: 0 the picture was\n"
    "written, 2 the recording is damaged (its first bad line is named) or the\n"
    "picture could not be written; no picture is then left behind.\n"
    "Qt's own options (-style, -stylesheet FILE, -platform, -reverse and the\n"
    "others every Qt program takes) apply to the window. Any other command line\n"
    "ends with status 2.\n";

constexpr int WrongCommandLine = 2;

enum class Action { Window, Help, Version, Diff, Plot, Wrong };

struct Command
{
    Action action = Action::Window;
    QStringList files;
    QString error;
};

Command wrong(const QString &error)
{
    return {Action::Wrong, {}, error};
}

int refuse(const QString &error)
{
    QTextStream(stderr) << "quorvantix: " << error << "\nTry 'quorvantix --help' for more information.\n";
    return WrongCommandLine;
}

// Qt's own options, which QApplication takes from the command line itself:
// with one or two dashes, those of the first list with a value, as the next
// argument or after "=".
bool isQtOption(const QString &argument, bool *takesValue)
{
    static const QStringList withValue = {
        QStringLiteral("style"),        QStringLiteral("stylesheet"),      QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("session"),      QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("title"),        QStringLiteral("name"),            QStringLiteral("dialogs"),
        QStringLiteral("fontengine"),   QStringLiteral("qmljsdebugger"),
    };
    static const QStringList alone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};
    if (!argument.startsWith(QLatin1Char('-')))
        return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals >= 0)
        name.truncate(equals);
    *takesValue = equals < 0 && withValue.contains(name);
    return withValue.contains(name) || (equals < 0 && alone.contains(name));
}

// The arguments without Qt's own options, which QApplication takes later.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList own;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool takesValue = false;
        if (isQtOption(arguments[i], &takesValue))
            i += takesValue ? 1 : 0;
        else
            own << arguments[i];
    }
    return own;
}

Command parse(const QStringList &allArguments)
{
    const QStringList arguments = withoutQtOptions(allArguments);
    if (arguments.isEmpty())
        return {};
    const QString &option = arguments.first();
    const QStringList rest = arguments.sliced(1);
    const auto alone = [&](Action action) {
        return rest.isEmpty() ? Command{action, {}, {}}
                              : wrong(QStringLiteral("unexpected argument '%1'").arg(rest.first()));
    };
    if (option == QLatin1String("--help") || option == QLatin1String("-h"))
        return alone(Action::Help);
    if (option == QLatin1String("--version") || option == QLatin1String("-v"))
        return alone(Action::Version);
    if (option == QLatin1String("--diff")) {
        return rest.size() == 2 ? Command{Action::Diff, rest, {}}
                                : wrong(QStringLiteral("--diff takes two parameter files"));
    }
    if (option == QLatin1String("--plot")) {
        return rest.size() == 3 && rest.at(1) == QLatin1String("-o")
                   ? Command{Action::Plot, {rest.at(0), rest.at(2)}, {}}
                   : wrong(QStringLiteral("--plot takes a recording, -o and a picture file"));
    }
    if (option.startsWith(QLatin1Char('-')))
        return wrong(QStringLiteral("unknown option '%1'").arg(option));
    return wrong(QStringLiteral("unexpected argument '%1'").arg(option));
}

} // namespace

std::optional<int> runCommandLine(int &argc, char *argv[], const PlotFunction &plot)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Command command = parse(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (command.action) {
    case Action::Window:
        return std::nullopt;
    case Action::Help:
        out << Usage;
        return 0;
    case Action::Version:
        out << "quorvantix " << programVersion() << '\n';
        return 0;
    case Action::Diff: {
        // Settings and the program's folder need an application, never a display.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Quorvantix"));
        return diffParameterFiles(command.files.at(0), command.files.at(1), out, err);
    }
    case Action::Plot:
        return plot(argc, argv, command.files.at(0), command.files.at(1));
    case Action::Wrong:
        return refuse(command.error);
    }
    return std::nullopt;
}

std::optional<int> refuseArgumentsLeft(const QStringList &arguments)
{
    if (arguments.size() <= 1)
        return std::nullopt;
    return refuse(QStringLiteral("unexpected argument '%1'").arg(arguments.at(1)));
}

} // namespace qx
