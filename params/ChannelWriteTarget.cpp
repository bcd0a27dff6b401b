#include "ChannelWriteTarget.h"

#include "ControllerProtocol.h"
#include "DialogService.h"
#include "Pause.h"
#include "SerialChannel.h"

namespace qx {

void ChannelWriteTarget::openPort()
{
    delivered_ = protocol_.channel().OpenPort(protocol_.portName()) && delivered_;
}

void ChannelWriteTarget::closePort()
{
    protocol_.channel().ClosePort();
}

void ChannelWriteTarget::send(quint8 byte)
{
    delivered_ = protocol_.channel().SendByte(byte) && delivered_;
}

void ChannelWriteTarget::pause(int milliseconds)
{
    pauseMs(milliseconds);
}

void ChannelWriteTarget::message(const QString &caption, const QString &text)
{
    showMessage(caption, text);
}

} // namespace qx
