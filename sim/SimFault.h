#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QRandomGenerator;

namespace qxsim {

// Ways the simulated controller can misbehave, for trying the program's
// error handling.
enum class Fault { None, Silence, Garbage, ShortReply, LongReply, Burst, BadChecksum, SlowReply, HangUp, PortBusy };

struct FaultSetting
{
    Fault fault = Fault::None;
    int argument = 0;  // meaning per fault, see faultHelp()
};

QStringList faultNames();
int defaultFaultArgument(Fault fault);
bool faultTakesArgument(Fault fault);
// "slow=600", "burst", "none"; a missing argument takes the fault's default.
bool parseFault(const QString &text, FaultSetting *setting);
QString faultHelp();

// A reply as it finally goes out: its bytes, a delay before the first one,
// and whether the bytes ignore the line pacing.
struct ShapedReply
{
    QByteArray bytes;
    int delayMs = 0;
    bool unpaced = false;
};

// Applies the reply-shaping faults; port-level faults leave the reply as it is.
ShapedReply shapeReply(const QByteArray &reply, bool liveFrame, const FaultSetting &setting,
                       QRandomGenerator &random);

} // namespace qxsim
