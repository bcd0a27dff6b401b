#include "VirtualCar.h"

#include "Pause.h"
#include "SimScenario.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>

namespace {

QString deviceOf(const QString &portName)
{
    return QStringLiteral("/virtual/") + portName;
}

} // namespace

// The window's end of the line: what it sends reaches the controller at the
// clock's time, and what the controller answered is waiting once its bytes
// are due.
class VirtualCar::Port final : public qx::PortIo
{
public:
    explicit Port(VirtualCar &car) : car_(car) { car_.port_ = this; }
    ~Port() override { car_.port_ = nullptr; }

    bool open(const QString &device) override
    {
        open_ = device == deviceOf(car_.portName_) && !car_.hungUp_ && !car_.busy_;
        // Stale input is dropped on opening, as the real ports do.
        car_.core_.takeDueReplies(car_.now_);
        incoming_.clear();
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool sendByte(quint8 byte) override
    {
        if (!open_)
            return false;
        if (car_.hook_)
            car_.hook_(byte);
        if (!car_.core_.receive(QByteArray(1, char(byte)), car_.now_))
            car_.setFault(qxsim::Fault::HangUp, 0);
        return true;
    }
    bool bytesQueued(qint64 *count) override
    {
        if (!open_)
            return false;
        const QByteArray due = car_.core_.takeDueReplies(car_.now_);
        car_.core_.countSent(due.size());
        for (char byte : due)
            car_.core_.wire().append({car_.now_, false, quint8(byte)});
        incoming_ += due;
        *count = incoming_.size();
        return true;
    }
    QByteArray read(qint64 maxBytes) override
    {
        const QByteArray taken = incoming_.left(maxBytes);
        incoming_.remove(0, taken.size());
        return taken;
    }
    void waitUntilSent(int) override {}
    void vanish()
    {
        open_ = false;
        incoming_.clear();
    }

private:
    VirtualCar &car_;
    QByteArray incoming_;
    bool open_ = false;
};

VirtualCar::VirtualCar(const QString &portName) : portName_(portName)
{
    startBlock_ = core_.parameterBlock();
    core_.startClock(0);
    qx::setPauseFunction([this](int ms) { advanceTo(now_ + qint64(ms) * 1000); });
    qx::setClockFunction([this] { return now_ / 1000; });
    qx::PollTimer::setClock(this);
}

VirtualCar::~VirtualCar()
{
    qx::PollTimer::setClock(nullptr);
    qx::setPauseFunction({});
    qx::setClockFunction({});
}

std::unique_ptr<qx::PortIo> VirtualCar::port()
{
    return std::make_unique<Port>(*this);
}

qx::PortNameResolver VirtualCar::ports() const
{
    // comN is the machine's N-th serial device: this car's, the ones before it absent.
    const QString name = portName_;
    return qx::PortNameResolver(QStringLiteral("/nonexistent/ports"), [name] {
        QStringList devices(name.mid(3).toInt() - 1, QStringLiteral("/virtual/absent"));
        return devices << deviceOf(name);
    });
}

void VirtualCar::setFault(qxsim::Fault fault, int argument)
{
    core_.setFault(fault, argument);
    const qxsim::FaultSetting setting = core_.fault();
    hungUp_ = setting.fault == qxsim::Fault::HangUp && setting.argument == 0;
    busy_ = setting.fault == qxsim::Fault::PortBusy;
    if (hungUp_) {
        core_.dropPending();
        if (port_)
            port_->vanish();
    }
}

void VirtualCar::runScenario(const qxsim::Scenario &scenario)
{
    core_.runScenario(scenario, now_);
}

void VirtualCar::restoreDefaults()
{
    setFault(qxsim::Fault::None);
    core_.setVersion(8);
    core_.setParameterBlock(startBlock_);
    core_.setAnalogThreshold(1);
    core_.setLiveFrame({});
    clearWireLog();
}

void VirtualCar::advanceTo(qint64 micros)
{
    while (core_.nextTickMicros() <= micros) {
        now_ = core_.nextTickMicros();
        core_.tick(now_);
        for (const qxsim::ScenarioStep &step : core_.dueScenarioSteps(now_))
            step.action(core_);
    }
    now_ = std::max(now_, micros);
}

VirtualCar::Due *VirtualCar::nextDue()
{
    const auto earliest = std::min_element(timers_.begin(), timers_.end(),
                                           [](const Due &a, const Due &b) { return a.at < b.at; });
    return earliest == timers_.end() ? nullptr : &*earliest;
}

void VirtualCar::run(int milliseconds)
{
    const qint64 end = now_ + qint64(milliseconds) * 1000;
    runUntil([&] { return now_ >= end; }, milliseconds + 1);
    advanceTo(end);
}

bool VirtualCar::runUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const qint64 end = now_ + qint64(timeoutMs) * 1000;
    for (;;) {
        QCoreApplication::processEvents();
        if (condition())
            return true;
        Due *due = nextDue();
        if (!due || due->at > end) {
            // Nothing more on the clock: what is left are the window's own
            // events (a list opening, a queued call), given a real moment.
            const QDeadlineTimer settle(500);
            while (!condition() && !settle.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            advanceTo(end);
            return condition();
        }
        advanceTo(due->at);
        qx::PollTimer *timer = due->timer;
        // As a precise timer, it is next due an interval after it was due,
        // or at once when the tick ran past that.
        due->at += qint64(timer->interval()) * 1000;
        emit timer->timeout();
        const auto again =
            std::find_if(timers_.begin(), timers_.end(), [&](const Due &d) { return d.timer == timer; });
        if (again != timers_.end())
            again->at = std::max(again->at, now_);
    }
}

void VirtualCar::started(qx::PollTimer &timer)
{
    stopped(timer);
    timers_.append({&timer, now_ + qint64(timer.interval()) * 1000});
}

void VirtualCar::stopped(qx::PollTimer &timer)
{
    timers_.removeIf([&](const Due &due) { return due.timer == &timer; });
}
