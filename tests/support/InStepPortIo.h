#pragma once

#include "PortIo.h"
#include "Simulator.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <chrono>
#include <memory>
#include <thread>

// The program's port kept in step with the simulator at its other end. The
// program sends, sleeps its fixed wait and takes what is queued; on a busy
// machine the simulator's thread, or the kernel's pseudo-terminal worker, may
// run later than that wait. Before the program looks for a reply, and before
// it closes the port, this port lets them catch up: the simulator has read
// every byte sent and everything it answered is queued here. A test then
// fails for what the program does, never for how late the machine ran. It
// only ever adds time, and it keeps count of that time, so tests of the waits
// take it off again.
class InStepPortIo final : public qx::PortIo
{
public:
    static constexpr int CatchUpLimitMs = 5000;

    InStepPortIo(std::unique_ptr<qx::PortIo> port, const qxsim::Simulator &sim)
        : port_(std::move(port)), sim_(sim), receivedBefore_(sim->bytesReceivedInAll())
    {
    }
    ~InStepPortIo() override { close(); }

    // Off for a controller that answers late on purpose, whose reply must
    // stay late.
    void setInStep(bool inStep) { inStep_ = inStep; }
    // Nanoseconds spent waiting for the simulator so far.
    qint64 catchUpNs() const { return catchUpNs_; }

    bool open(const QString &device) override
    {
        const bool opened = port_->open(device);
        // What the simulator sent before is gone with the dropped input.
        answeredBeforeOpen_ = sim_->bytesSentInAll();
        taken_ = 0;
        return opened;
    }
    void close() override
    {
        if (port_->isOpen())
            catchUp();
        port_->close();
    }
    bool isOpen() const override { return port_->isOpen(); }
    bool sendByte(quint8 byte) override
    {
        const bool sent = port_->sendByte(byte);
        sent_ += sent;
        return sent;
    }
    bool bytesQueued(qint64 *count) override
    {
        catchUp();
        return port_->bytesQueued(count);
    }
    QByteArray read(qint64 maxBytes) override
    {
        const QByteArray bytes = port_->read(maxBytes);
        taken_ += bytes.size();
        return bytes;
    }
    void waitUntilSent(int timeoutMs) override { port_->waitUntilSent(timeoutMs); }

private:
    void catchUp()
    {
        if (!inStep_)
            return;
        QElapsedTimer spent;
        spent.start();
        sim_.waitUntilAnswered(receivedBefore_ + sent_, CatchUpLimitMs);
        const qint64 answered = sim_->bytesSentInAll() - answeredBeforeOpen_ - taken_;
        const QDeadlineTimer deadline(CatchUpLimitMs);
        qint64 queued = 0;
        while (port_->bytesQueued(&queued) && queued < answered && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        catchUpNs_ += spent.nsecsElapsed();
    }

    std::unique_ptr<qx::PortIo> port_;
    const qxsim::Simulator &sim_;
    const qint64 receivedBefore_;
    qint64 sent_ = 0;
    qint64 answeredBeforeOpen_ = 0;
    qint64 taken_ = 0;
    qint64 catchUpNs_ = 0;
    bool inStep_ = true;
};
