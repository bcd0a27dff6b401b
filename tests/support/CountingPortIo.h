#pragma once

#include "PortIo.h"

#include <QElapsedTimer>
#include <QVector>

#include <memory>

// Notes when the program handed each byte to its port. A test waits until the
// simulator has seen that many bytes before it reads the wire log, and checks
// the program's pauses by the sender's clock: the simulator's reading thread
// may be late on a busy machine, which would make one gap look short and the
// next one long.
class SentBytes
{
public:
    // The port the program is to use, noting on this object's behalf.
    std::unique_ptr<qx::PortIo> count(std::unique_ptr<qx::PortIo> port);
    // Starts afresh, as the test clears the simulator's log.
    void restart() { mark_ = int(sends_->size()); }
    int sinceRestart() const { return int(sends_->size()) - mark_; }
    // Milliseconds between consecutive bytes sent since the restart.
    QVector<double> gapsMs() const
    {
        QVector<double> out;
        for (int i = mark_ + 1; i < sends_->size(); ++i)
            out.append((sends_->at(i) - sends_->at(i - 1)) / 1e6);
        return out;
    }

private:
    std::shared_ptr<QVector<qint64>> sends_ = std::make_shared<QVector<qint64>>();
    int mark_ = 0;
};

namespace detail {
class CountingPortIo final : public qx::PortIo
{
public:
    CountingPortIo(std::unique_ptr<qx::PortIo> inner, std::shared_ptr<QVector<qint64>> sends)
        : inner_(std::move(inner)), sends_(std::move(sends))
    {
        clock_.start();
    }
    bool open(const QString &device) override { return inner_->open(device); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    bool sendByte(quint8 byte) override
    {
        const qint64 at = clock_.nsecsElapsed();
        const bool sent = inner_->sendByte(byte);
        if (sent)
            sends_->append(at);
        return sent;
    }
    bool bytesQueued(qint64 *count) override { return inner_->bytesQueued(count); }
    QByteArray read(qint64 maxBytes) override { return inner_->read(maxBytes); }
    void waitUntilSent(int timeoutMs) override { inner_->waitUntilSent(timeoutMs); }

private:
    std::unique_ptr<qx::PortIo> inner_;
    std::shared_ptr<QVector<qint64>> sends_;
    QElapsedTimer clock_;
};
} // namespace detail

inline std::unique_ptr<qx::PortIo> SentBytes::count(std::unique_ptr<qx::PortIo> port)
{
    return std::make_unique<detail::CountingPortIo>(std::move(port), sends_);
}
