#pragma once

#include "ParameterWrite.h"

namespace qx {

class ControllerProtocol;

// A write going out on the protocol's serial channel, each byte followed by
// the channel's own pause; messages as modal boxes.
class ChannelWriteTarget final : public WriteTarget
{
public:
    explicit ChannelWriteTarget(ControllerProtocol &protocol) : protocol_(protocol) {}

    void openPort() override;
    void closePort() override;
    void send(quint8 byte) override;
    void pause(int milliseconds) override;
    void message(const QString &caption, const QString &text) override;

    // Every open succeeded and the port took every byte.
    bool delivered() const { return delivered_; }

private:
    ControllerProtocol &protocol_;
    bool delivered_ = true;
};

} // namespace qx
