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
        startBlock_ = (*this)->parameterBlock();
        return started;
    }

    void restoreDefaults()
    {
        setFault(qxsim::Fault::None);
        (*this)->setVersion(8);
        (*this)->setParameterBlock(startBlock_);
        (*this)->setAnalogThreshold(1);
        (*this)->setLiveFrame({});
        clearWireLog();
    }

    QByteArray startBlock() const { return startBlock_; }

private:
    QByteArray startBlock_;
};
