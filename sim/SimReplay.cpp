#include "SimReplay.h"

#include "SimParameterBlock.h"

#include <algorithm>

namespace qxsim {

namespace {

// A single recorded poll lasts one polling interval of the Visualisation page.
constexpr qint64 SinglePollMs = 50;

enum Offset { Flags = 8, ProbeRangeOffset = 31, IgnitionOffset = 32 };
enum FlagBit { ProbeReversedBit = 0x02, Reserve20KBit = 0x80 };

} // namespace

Replay::Replay(qxrec::DriveRecording recording, bool loop)
    : recording_(std::move(recording)), loop_(loop)
{
    const auto &polls = recording_.polls;
    if (polls.isEmpty())
        return;
    const qint64 lastInterval = polls.size() > 1 ? polls.constLast().ms - polls.at(polls.size() - 2).ms : SinglePollMs;
    lengthMs_ = polls.constLast().ms - polls.constFirst().ms + qMax(qint64(1), lastInterval);
}

qint64 Replay::elapsedMs(qint64 nowMicros) const
{
    if (startMicros_ < 0)
        return 0;
    const qint64 elapsed = (nowMicros - startMicros_) / 1000;
    if (lengthMs_ == 0)
        return 0;
    return loop_ ? elapsed % lengthMs_ : qMin(elapsed, lengthMs_);
}

int Replay::indexAt(qint64 elapsed) const
{
    const auto &polls = recording_.polls;
    const qint64 at = polls.constFirst().ms + elapsed;
    const auto after = std::upper_bound(polls.begin(), polls.end(), at,
                                        [](qint64 ms, const qxrec::RecordedPoll &poll) { return ms < poll.ms; });
    const int latest = qMax(0, int(after - polls.begin()) - 1);
    // The program polls at the pace it recorded at, but never on the very
    // millisecond: a request nearer the next frame's time gets that frame,
    // so a little jitter neither repeats nor skips one.
    const bool nextIsNearer = latest + 1 < polls.size() && polls.at(latest + 1).ms - at < at - polls.at(latest).ms;
    return nextIsNearer ? latest + 1 : latest;
}

void Replay::startOnce(qint64 nowMicros)
{
    if (startMicros_ < 0)
        startMicros_ = nowMicros;
}

QByteArray Replay::frameAt(qint64 nowMicros) const
{
    if (recording_.polls.isEmpty())
        return {};
    return recording_.polls.at(indexAt(elapsedMs(nowMicros))).frame;
}

ReplayPosition Replay::position(qint64 nowMicros) const
{
    ReplayPosition position;
    position.frames = int(recording_.polls.size());
    position.lengthSeconds = lengthMs_ / 1000.0;
    if (startMicros_ < 0 || recording_.polls.isEmpty())
        return position;
    const qint64 elapsed = elapsedMs(nowMicros);
    position.seconds = elapsed / 1000.0;
    position.frame = indexAt(elapsed) + 1;
    return position;
}

QByteArray blockForRecording(const qxrec::RecordingHeader &header, QByteArray block)
{
    block.resize(ParameterBlockSize, '\0');
    static const struct { const char *variant; quint8 range; bool reversed; } probes[] = {
        {"0", 1, false}, {"1", 0, false}, {"2", 0, true}, {"3", 2, false}, {"4", 1, true},
    };
    quint8 flags = quint8(block.at(Flags));
    for (const auto &probe : probes) {
        if (header.probeVariant == QLatin1String(probe.variant)) {
            block[ProbeRangeOffset] = char(probe.range);
            flags = probe.reversed ? (flags | ProbeReversedBit) : (flags & ~ProbeReversedBit);
        }
    }
    flags = header.reserveSensorType == QLatin1String("0") ? (flags | Reserve20KBit) : (flags & ~Reserve20KBit);
    block[Flags] = char(flags);
    for (int ignition = 0; ignition < 6; ++ignition) {
        if (rpmConstantForIgnition(ignition) == header.rpmConstant) {
            block[IgnitionOffset] = char(ignition);
            block[IgnitionOffset + 1] = 0;
        }
    }
    return block;
}

} // namespace qxsim
