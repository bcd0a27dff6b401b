#include "SimulatedController.h"

#include "SimLiveFrame.h"
#include "SimParameterBlock.h"
#include "SimScenario.h"

namespace qxsim {

namespace {

constexpr double LongestTickSeconds = 0.1;

} // namespace

SimulatedController::SimulatedController()
{
    engine_.setFrameSource([this] { return takeFrame(); });
}

void SimulatedController::setLiveFrame(const QByteArray &frame)
{
    setLiveFrames(frame.isEmpty() ? QVector<QByteArray>() : QVector<QByteArray>{frame});
}

void SimulatedController::setLiveFrames(const QVector<QByteArray> &frames)
{
    fixedFrames_ = frames;
    nextFrame_ = 0;
}

QByteArray SimulatedController::liveFrameAt(qint64 nowMicros) const
{
    if (replay_)
        return replay_->frameAt(nowMicros);
    if (!fixedFrames_.isEmpty())
        return fixedFrames_.at(nextFrame_);
    return liveFrame(car_.state(), engine_.version(), ParameterBlock(engine_.parameterBlock()));
}

QByteArray SimulatedController::takeFrame()
{
    if (replay_)
        replay_->startOnce(nowMicros_);
    const QByteArray frame = liveFrameAt(nowMicros_);
    if (!fixedFrames_.isEmpty())
        nextFrame_ = (nextFrame_ + 1) % int(fixedFrames_.size());
    return frame;
}

void SimulatedController::setReplay(const qxrec::DriveRecording &recording, bool loop)
{
    replay_.emplace(recording, loop);
    engine_.setVersion(recording.header.controllerVersion);
    engine_.setParameterBlock(blockForRecording(recording.header, engine_.parameterBlock()));
}

std::optional<ReplayPosition> SimulatedController::replayPosition(qint64 nowMicros) const
{
    if (!replay_)
        return std::nullopt;
    return replay_->position(nowMicros);
}

void SimulatedController::setFault(Fault fault, int argument)
{
    fault_ = {fault, argument < 0 ? defaultFaultArgument(fault) : argument};
    hangUpCountdown_ = fault_.argument;
    ++faultGeneration_;
}

void SimulatedController::runScenario(const Scenario &scenario, qint64 nowMicros)
{
    scenario_.start(scenario.steps(), nowMicros);
}

bool SimulatedController::receive(const QByteArray &bytes, qint64 nowMicros)
{
    nowMicros_ = nowMicros;
    for (char byte : bytes) {
        wire_.append({nowMicros, true, quint8(byte)});
        ++receivedInAll_;
        scenario_.programSent(quint8(byte), nowMicros);
        if (fault_.fault == Fault::HangUp && hangUpCountdown_ > 0 && --hangUpCountdown_ == 0)
            return false;
        if (const auto reply = engine_.receive(quint8(byte)))
            replies_.add(shapeReply(reply->bytes, reply->liveFrame, fault_, random_), nowMicros, pacingMicros_);
    }
    return true;
}

QByteArray SimulatedController::takeDueReplies(qint64 nowMicros)
{
    return replies_.takeDue(nowMicros);
}

void SimulatedController::dropPending()
{
    replies_.clear();
    engine_.resetInput();
}

void SimulatedController::tick(qint64 nowMicros)
{
    if (nowMicros - lastTickMicros_ < TickMicros)
        return;
    const double seconds = qMin(LongestTickSeconds, (nowMicros - lastTickMicros_) / 1e6);
    car_.advance(seconds, ParameterBlock(engine_.parameterBlock()));
    lastTickMicros_ = nowMicros;
}

} // namespace qxsim
