#include "SimScenario.h"

#include "SimFault.h"
#include "Simulator.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace qxsim {

namespace {

constexpr double DefaultRpmRampSeconds = 1.0;
constexpr double DefaultThrottleRampSeconds = 0.3;

struct Reader
{
    QStringList words;
    QString *error;

    bool fail(const QString &message)
    {
        *error = message;
        return false;
    }

    bool count(int least, int most)
    {
        const int given = int(words.size()) - 1;
        return (given >= least && given <= most)
                || fail(QStringLiteral("'%1' takes %2 argument(s)").arg(words.value(0)).arg(least == most ? QString::number(least) : QStringLiteral("%1 to %2").arg(least).arg(most)));
    }

    bool number(int index, double min, double max, double *value)
    {
        return numberIn(words.value(index), min, max, value);
    }

    bool numberIn(const QString &text, double min, double max, double *value)
    {
        bool ok = false;
        *value = text.toDouble(&ok);
        return (ok && *value >= min && *value <= max)
                || fail(QStringLiteral("'%1' is not a number from %2 to %3").arg(text).arg(min).arg(max));
    }

    // "N [over S]"
    bool rampedNumber(double min, double max, double defaultSeconds, double *value, double *seconds)
    {
        *seconds = defaultSeconds;
        if (!count(1, 3) || !number(1, min, max, value))
            return false;
        if (words.size() == 2)
            return true;
        return (words.size() == 4 && words.at(2) == QLatin1String("over"))
                ? number(3, 0, 3600, seconds)
                : fail(QStringLiteral("expected '%1 N over SECONDS'").arg(words.at(0)));
    }

    bool hexBytes(int index, QByteArray *bytes)
    {
        return hexRow(words.mid(index).join(QString()), bytes);
    }

    bool hexRow(const QString &hex, QByteArray *bytes)
    {
        static const QRegularExpression hexDigits(QStringLiteral("^([0-9a-fA-F]{2})+$"));
        if (!hexDigits.match(hex).hasMatch())
            return fail(QStringLiteral("'%1' is not a row of hex bytes").arg(hex));
        *bytes = QByteArray::fromHex(hex.toLatin1());
        return true;
    }

    // "HEX;HEX;…", spaces allowed inside each frame.
    bool hexFrames(int index, QVector<QByteArray> *frames)
    {
        const QStringList parts = words.mid(index).join(QString()).split(QLatin1Char(';'));
        for (const QString &part : parts) {
            QByteArray frame;
            if (!hexRow(part, &frame))
                return false;
            frames->append(frame);
        }
        return true;
    }

    // "narrow", "wide", "band", "auto", "dead" or "dead=VOLTS".
    bool probe(ProbeKind *kind, double *deadVolts)
    {
        static const QStringList kinds = {QStringLiteral("auto"), QStringLiteral("narrow"), QStringLiteral("wide"),
                                          QStringLiteral("band"), QStringLiteral("dead")};
        const QString expected = QStringLiteral("expected 'probe auto|narrow|wide|band|dead[=VOLTS]'");
        if (!count(1, 1))
            return fail(expected);
        const QStringList parts = words[1].split(QLatin1Char('='));
        const int index = int(kinds.indexOf(parts[0]));
        if (index < 0)
            return fail(expected);
        *kind = ProbeKind(index);
        *deadVolts = 0;
        if (parts.size() == 1)
            return true;
        if (parts.size() != 2 || *kind != ProbeKind::Dead)
            return fail(expected);
        return numberIn(parts[1], 0, 5, deadVolts);
    }
};

using Action = std::function<void(SimulatedController &)>;

bool parseWords(Reader &in, Action *action)
{
    const QString name = in.words.value(0);
    double value = 0;
    double seconds = 0;
    if (name == QLatin1String("engine")) {
        if (!in.count(1, 1) || (in.words[1] != QLatin1String("on") && in.words[1] != QLatin1String("off")))
            return in.fail(QStringLiteral("expected 'engine on' or 'engine off'"));
        const bool on = in.words[1] == QLatin1String("on");
        *action = [on](SimulatedController &sim) { sim.car().setEngineRunning(on); };
    } else if (name == QLatin1String("rpm")) {
        if (!in.rampedNumber(Car::MinTargetRpm, Car::MaxRpm, DefaultRpmRampSeconds, &value, &seconds))
            return false;
        *action = [value, seconds](SimulatedController &sim) { sim.car().setTargetRpm(qRound(value), seconds); };
    } else if (name == QLatin1String("throttle")) {
        if (!in.rampedNumber(0, 100, DefaultThrottleRampSeconds, &value, &seconds))
            return false;
        *action = [value, seconds](SimulatedController &sim) { sim.car().setThrottle(qRound(value), seconds); };
    } else if (name == QLatin1String("screw")) {
        if (!in.count(1, 1) || !in.number(1, -100, 100, &value))
            return false;
        *action = [value](SimulatedController &sim) { sim.car().setReducerScrew(qRound(value)); };
    } else if (name == QLatin1String("coolant")) {
        // "cold" and "warm" stand for their temperatures; the rest reads as "C [over S]".
        if (in.words.size() >= 2 && in.words[1] == QLatin1String("cold"))
            in.words[1] = QString::number(Car::AmbientCelsius);
        else if (in.words.size() >= 2 && in.words[1] == QLatin1String("warm"))
            in.words[1] = QString::number(Car::WarmCelsius);
        if (!in.rampedNumber(-30, 90, 0, &value, &seconds))
            return false;
        *action = [value, seconds](SimulatedController &sim) { sim.car().setCoolant(value, seconds); };
    } else if (name == QLatin1String("probe")) {
        ProbeKind kind = ProbeKind::Auto;
        if (!in.probe(&kind, &value))
            return false;
        *action = [kind, value](SimulatedController &sim) { sim.car().setProbe(kind, value); };
    } else if (name == QLatin1String("tps")) {
        const QString direction = in.words.value(1);
        if (!in.count(1, 1) || (direction != QLatin1String("rising") && direction != QLatin1String("falling")))
            return in.fail(QStringLiteral("expected 'tps rising' or 'tps falling'"));
        const bool falling = direction == QLatin1String("falling");
        *action = [falling](SimulatedController &sim) { sim.car().setTpsFalling(falling); };
    } else if (name == QLatin1String("mixture")) {
        // "N [per1000 M]"
        double rise = DefaultMixtureRisePer1000;
        const bool withRise = in.words.size() == 4 && in.words[2] == QLatin1String("per1000");
        if (in.words.size() != 2 && !withRise)
            return in.fail(QStringLiteral("expected 'mixture N' or 'mixture N per1000 M'"));
        if (!in.number(1, 0, 255, &value) || (withRise && !in.number(3, -100, 100, &rise)))
            return false;
        *action = [value, rise](SimulatedController &sim) { sim.car().setMixture(value, rise); };
    } else if (name == QLatin1String("gas")) {
        if (!in.count(1, 1) || !in.number(1, 0, 100, &value))
            return false;
        *action = [value](SimulatedController &sim) { sim.car().setGasLevel(value); };
    } else if (name == QLatin1String("version")) {
        if (!in.count(1, 1) || !in.number(1, ControllerEngine::MinVersion, ControllerEngine::MaxVersion, &value))
            return false;
        *action = [value](SimulatedController &sim) { sim.setVersion(qRound(value)); };
    } else if (name == QLatin1String("threshold")) {
        if (!in.count(1, 1) || !in.number(1, 0, 255, &value))
            return false;
        *action = [value](SimulatedController &sim) { sim.setAnalogThreshold(quint8(qRound(value))); };
    } else if (name == QLatin1String("pacing")) {
        if (!in.count(1, 1) || !in.number(1, 0, 1000000, &value))
            return false;
        *action = [value](SimulatedController &sim) { sim.setReplyPacingMicros(qRound(value)); };
    } else if (name == QLatin1String("fault")) {
        FaultSetting fault;
        if (!in.count(1, 1) || !parseFault(in.words[1], &fault))
            return in.fail(QStringLiteral("expected 'fault NAME' or 'fault NAME=N', NAME one of %1").arg(faultNames().join(QStringLiteral(", "))));
        *action = [fault](SimulatedController &sim) { sim.setFault(fault.fault, fault.argument); };
    } else if (name == QLatin1String("frame")) {
        QByteArray frame;
        if (!in.count(1, 99) || (in.words[1] != QLatin1String("car") && !in.hexBytes(1, &frame)))
            return false;
        *action = [frame](SimulatedController &sim) { sim.setLiveFrame(frame); };
    } else if (name == QLatin1String("frames")) {
        QVector<QByteArray> frames;
        if (!in.count(1, 999) || !in.hexFrames(1, &frames))
            return false;
        *action = [frames](SimulatedController &sim) { sim.setLiveFrames(frames); };
    } else if (name == QLatin1String("block")) {
        QByteArray block;
        if (!in.count(1, 99) || !in.hexBytes(1, &block))
            return false;
        if (block.size() != ParameterBlockSize)
            return in.fail(QStringLiteral("a parameter block has %1 bytes, not %2").arg(ParameterBlockSize).arg(block.size()));
        *action = [block](SimulatedController &sim) { sim.setParameterBlock(block); };
    } else {
        return in.fail(QStringLiteral("unknown command '%1'").arg(name));
    }
    return true;
}

} // namespace

QString Scenario::help()
{
    return QStringLiteral(
        "A scenario file holds one step per line, 'at SECONDS COMMAND', counted from\n"
        "the start; '#' starts a comment. Commands (also usable with --set):\n"
        "  engine on|off              start or stop the engine (idle 800 rpm)\n"
        "  rpm N [over S]             engine speed target 600..8000, reached over S s\n"
        "                             (default 1)\n"
        "  throttle P [over S]        throttle 0..100 % (TPS reading 10..230)\n"
        "  screw N                    reducer screw -100 (lean) .. +100 (rich)\n"
        "  coolant C|cold|warm [over S]\n"
        "                             coolant/reducer temperature in °C (cold 20, warm\n"
        "                             80), at once or reached over S s\n"
        "  probe KIND                 the car's lambda probe: auto (default) follows the\n"
        "                             controller's probe range; narrow (0.1-0.85 V),\n"
        "                             wide (0.5-4.5 V) and band (0.85-1.55 V) whatever\n"
        "                             it is set to; dead[=V] stays at V volts (default 0)\n"
        "  tps rising|falling         TPS voltage rising (default) or falling as the\n"
        "                             throttle opens\n"
        "  mixture N [per1000 M]      the stepper position 0..255 the car needs at idle\n"
        "                             for a stoichiometric mixture (default 100), and\n"
        "                             its rise per 1000 rpm, -100..100 (default 15)\n"
        "  gas P                      gas in the tank, 0..100 %\n"
        "  version N                  controller version 3..8\n"
        "  threshold N                analog RPM threshold 0..255\n"
        "  pacing US                  microseconds per reply byte (0: all at once)\n"
        "  fault NAME[=N]             a fault, as listed above\n"
        "  frame HEX|car              fixed live frame instead of the car's, or the car again\n"
        "  frames HEX;HEX;...         fixed live frames, one per live request, cycling\n"
        "  block HEX                  the whole 37-byte parameter block\n"
        "  loop                       start the scenario over\n"
        "A line 'on HEX' (no time) waits for the program: the lines below it run once\n"
        "the program has sent these bytes, their times counted from then; e.g.\n"
        "'on 1f 02 00' waits for the ignition type '4 cylindry' (command 31).\n"
        "Example:\n"
        "  at 0    coolant cold\n"
        "  at 1    engine on\n"
        "  at 4    rpm 2500 over 2\n"
        "  at 6    throttle 30\n"
        "  at 12   fault slow=600\n"
        "  at 15   fault none\n"
        "  at 20   rpm 800 over 3\n"
        "  at 40   loop\n");
}

bool Scenario::parseCommand(const QString &command, ScenarioStep *step, QString *error)
{
    step->command = command.simplified();
    step->action = nullptr;
    step->restarts = step->command == QLatin1String("loop");
    if (step->restarts)
        return true;
    Reader in{step->command.split(QLatin1Char(' ')), error};
    return parseWords(in, &step->action);
}

bool Scenario::parse(const QString &text, QString *error)
{
    m_steps.clear();
    int sectionStart = 0;
    const auto sortSection = [&] {
        std::stable_sort(m_steps.begin() + sectionStart, m_steps.end(),
                         [](const ScenarioStep &a, const ScenarioStep &b) { return a.atSeconds < b.atSeconds; });
    };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).simplified();
        if (line.isEmpty())
            continue;
        ScenarioStep step;
        if (line.startsWith(QLatin1String("on "))) {
            Reader in{line.split(QLatin1Char(' ')), error};
            if (!in.hexBytes(1, &step.waitFor)) {
                error->prepend(QStringLiteral("line %1: ").arg(i + 1));
                return false;
            }
            step.command = line;
            sortSection();
            m_steps.append(step);
            sectionStart = int(m_steps.size());
            continue;
        }
        bool timeOk = false;
        step.atSeconds = line.section(QLatin1Char(' '), 1, 1).toDouble(&timeOk);
        QString message = QStringLiteral("expected 'at SECONDS COMMAND'");
        const bool timed = line.startsWith(QLatin1String("at ")) && timeOk && step.atSeconds >= 0;
        if (!timed || !parseCommand(line.section(QLatin1Char(' '), 2), &step, &message)) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(message);
            return false;
        }
        m_steps.append(step);
    }
    sortSection();
    return true;
}

bool Scenario::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (parse(QString::fromUtf8(file.readAll()), error))
        return true;
    error->prepend(path + QLatin1String(", "));
    return false;
}

} // namespace qxsim
