#pragma once

#include "Simulator.h"

// The simulator as a test's controller, brought back to how it started
// before each test function.
class TestController : public qxsim::Simulator
{
public:
    bool startOn(const QString &portName)
    {
        const bool started = start(portName);
        startBlock_ = parameterBlock();
        return started;
    }

    void restoreDefaults()
    {
        setFault(qxsim::Fault::None);
        setVersion(8);
        setParameterBlock(startBlock_);
        setAnalogThreshold(1);
        setLiveFrame({});
        clearWireLog();
    }

    QByteArray startBlock() const { return startBlock_; }

private:
    QByteArray startBlock_;
};
