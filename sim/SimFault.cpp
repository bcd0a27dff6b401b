#include "SimFault.h"

#include <QRandomGenerator>

namespace qxsim {

namespace {

struct FaultInfo
{
    Fault fault;
    const char *name;
    bool takesArgument;
    int defaultArgument;
    const char *help;
};

// In the order of the enum, so an index into faultNames() is a Fault.
// The longest wait of the program is 400 ms; the slow reply must miss it.
const FaultInfo faultTable[] = {
    {Fault::None, "none", false, 0, "the controller behaves"},
    {Fault::Silence, "silence", false, 0, "no replies at all"},
    {Fault::Garbage, "garbage", false, 0, "random bytes of the expected length instead of each reply"},
    {Fault::ShortReply, "short", true, 1, "each reply without its last N bytes (default 1)"},
    {Fault::LongReply, "long", true, 4, "N random bytes after each reply (default 4)"},
    {Fault::Burst, "burst", true, 300, "N bytes at once: each reply padded with random bytes (default 300)"},
    {Fault::BadChecksum, "checksum", false, 0, "byte 7 of each live frame one too high (the version-5 checksum)"},
    {Fault::SlowReply, "slow", true, 500, "each reply starts N ms late (default 500)"},
    {Fault::HangUp, "hangup", true, 0, "the port vanishes on the Nth byte received (0: at once) until cleared"},
    {Fault::PortBusy, "busy", false, 0, "the port is held open and locked, so the program cannot open it"},
};

const FaultInfo &info(Fault fault)
{
    for (const FaultInfo &entry : faultTable) {
        if (entry.fault == fault)
            return entry;
    }
    return faultTable[0];
}

QByteArray randomBytes(int count, QRandomGenerator &random)
{
    QByteArray bytes(count, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

} // namespace

QStringList faultNames()
{
    QStringList names;
    for (const FaultInfo &entry : faultTable)
        names << QString::fromLatin1(entry.name);
    return names;
}

int defaultFaultArgument(Fault fault)
{
    return info(fault).defaultArgument;
}

bool faultTakesArgument(Fault fault)
{
    return info(fault).takesArgument;
}

bool parseFault(const QString &text, FaultSetting *setting)
{
    const QString name = text.section(QLatin1Char('='), 0, 0).trimmed().toLower();
    const QString argument = text.section(QLatin1Char('='), 1).trimmed();
    for (const FaultInfo &entry : faultTable) {
        if (name != QLatin1String(entry.name))
            continue;
        int value = entry.defaultArgument;
        if (!argument.isEmpty() && !entry.takesArgument)
            return false;
        if (!argument.isEmpty()) {
            bool ok = false;
            value = argument.toInt(&ok);
            if (!ok || value < 0)
                return false;
        }
        *setting = {entry.fault, value};
        return true;
    }
    return false;
}

QString faultHelp()
{
    QString text;
    for (const FaultInfo &entry : faultTable)
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(entry.name), -9).arg(QString::fromLatin1(entry.help));
    return text;
}

ShapedReply shapeReply(const QByteArray &reply, bool liveFrame, const FaultSetting &setting,
                       QRandomGenerator &random)
{
    ShapedReply shaped{reply, 0, false};
    switch (setting.fault) {
    case Fault::Silence:
        shaped.bytes.clear();
        break;
    case Fault::Garbage:
        shaped.bytes = randomBytes(reply.size(), random);
        break;
    case Fault::ShortReply:
        shaped.bytes.chop(setting.argument);
        break;
    case Fault::LongReply:
        shaped.bytes += randomBytes(setting.argument, random);
        break;
    case Fault::Burst:
        shaped.bytes += randomBytes(qMax(0, setting.argument - int(reply.size())), random);
        shaped.unpaced = true;
        break;
    case Fault::BadChecksum:
        if (liveFrame && shaped.bytes.size() > 7)
            shaped.bytes[7] = char(quint8(shaped.bytes[7]) + 1);
        break;
    case Fault::SlowReply:
        shaped.delayMs = setting.argument;
        break;
    case Fault::None:
    case Fault::HangUp:
    case Fault::PortBusy:
        break;
    }
    return shaped;
}

} // namespace qxsim
