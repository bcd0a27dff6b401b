#include "SerialChannel.h"

#include "LinkFeedback.h"
#include "Pause.h"
#include "PortIo.h"

#include <algorithm>

namespace qx {

namespace {
// Bound on the wait for the last byte to leave. One byte at 9600 baud takes
// about 1 ms; a send that failed leaves nothing to wait for.
constexpr int SendDrainLimitMs = 20;
} // namespace

SerialChannel::SerialChannel(std::unique_ptr<PortIo> io, PortNameResolver resolver,
                             LinkFeedback *feedback)
    : io_(std::move(io)), resolver_(std::move(resolver)), feedback_(feedback)
{
}

SerialChannel::~SerialChannel() = default;

QString SerialChannel::resolvePort(const QString &portName)
{
    resolvedName_ = portName;
    device_ = resolver_.resolve(portName);
    return device_;
}

bool SerialChannel::open(const QString &portName)
{
    // Every caller closes first; closing again keeps a stray second open from
    // leaving the port held by a handle nobody owns any more.
    io_->close();
    if (portName != resolvedName_)
        resolvePort(portName);
    if (!device_.isEmpty() && io_->open(device_))
        return true;
    // The next open looks again, so an adapter plugged in since is found.
    resolvedName_.clear();
    device_.clear();
    return false;
}

bool SerialChannel::OpenPort(const QString &portName)
{
    if (open(portName))
        return true;
    if (feedback_)
        feedback_->portOpenFailed();
    return false;
}

bool SerialChannel::OpenPortQuiet(const QString &portName)
{
    return open(portName);
}

void SerialChannel::ClosePort()
{
    io_->close();
}

bool SerialChannel::isOpen() const
{
    return io_->isOpen();
}

bool SerialChannel::SendByte(quint8 byte)
{
    const bool sent = io_->sendByte(byte);
    pauseMs(BytePauseMs);
    return sent;
}

bool SerialChannel::read(bool *bytesTaken)
{
    // A port that cannot be queried (closed, vanished) has nothing waiting:
    // the user sees the no-reply text instead of stale bytes passing as fresh.
    qint64 count = 0;
    const bool statusOk = io_->bytesQueued(&count);
    *bytesTaken = statusOk && count > 0;
    lastReadEmpty_ = !*bytesTaken;
    lastReadCount_ = 0;
    if (*bytesTaken) {
        const QByteArray bytes = io_->read(std::min<qint64>(count, ReadCap));
        lastReadCount_ = int(bytes.size());
        reply_.store(bytes);
    }
    if (feedback_)
        feedback_->showNoReply(!*bytesTaken);
    io_->waitUntilSent(SendDrainLimitMs);
    return statusOk;
}

bool SerialChannel::ReadReply()
{
    bool taken = false;
    return read(&taken);
}

bool SerialChannel::ReadLiveReply()
{
    bool taken = false;
    const bool statusOk = read(&taken);
    if (taken) {
        emptyReads_ = 0;
        if (feedback_)
            feedback_->showTransmissionError(false);
    } else if (++emptyReads_ > EmptyReadsTolerated && feedback_) {
        feedback_->showTransmissionError(true);
    }
    return statusOk;
}

} // namespace qx
