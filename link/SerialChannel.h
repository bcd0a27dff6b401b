#pragma once

#include "PortNames.h"
#include "ReplyBuffer.h"

#include <QString>

#include <memory>

namespace qx {

class LinkFeedback;
class PortIo;

// The program's one serial connection to the controller. Requests go out a
// byte at a time with a 3 ms pause after each; a read takes only what has
// already arrived (at most 256 bytes) into the reply buffer.
class SerialChannel
{
public:
    static constexpr int ReadCap = 256;
    static constexpr int BytePauseMs = 3;
    // Live reads that may find nothing in a row before the live page says so.
    static constexpr int EmptyReadsTolerated = 20;

    SerialChannel(std::unique_ptr<PortIo> io, PortNameResolver resolver, LinkFeedback *feedback);
    ~SerialChannel();

    bool OpenPort(const QString &portName);
    bool OpenPortQuiet(const QString &portName);
    void ClosePort();
    bool SendByte(quint8 byte);
    bool ReadReply();
    bool ReadLiveReply();

    ReplyBuffer &reply() { return reply_; }
    const ReplyBuffer &reply() const { return reply_; }
    bool isOpen() const;
    // The device a port name stands for now, empty when there is none (for the port menu).
    QString resolvedDevice(const QString &portName) const { return resolver_.resolve(portName); }
    const PortNameResolver &resolver() const { return resolver_; }
    // Resolves the port name anew and keeps its device for the opens that
    // follow; returns it, empty when there is no such port. Opens resolve by
    // themselves only when the name changes or the last open failed, since
    // listing the machine's serial ports takes about 20 ms.
    QString resolvePort(const QString &portName);

    // Whether the last read found nothing waiting (the buffer then holds the
    // reply before it).
    bool lastReadEmpty() const { return lastReadEmpty_; }
    // How many bytes the last read took, so a caller can tell a whole frame
    // from a short one.
    int lastReadCount() const { return lastReadCount_; }
    int emptyReadCount() const { return emptyReads_; }
    void resetEmptyReadCount() { emptyReads_ = 0; }

private:
    bool open(const QString &portName);
    // Returns the status query's success; *bytesTaken tells whether bytes came.
    bool read(bool *bytesTaken);

    std::unique_ptr<PortIo> io_;
    PortNameResolver resolver_;
    // The last port name resolved and its device; no name until the first
    // open, and again after an open fails.
    QString resolvedName_;
    QString device_;
    LinkFeedback *feedback_;
    ReplyBuffer reply_;
    int emptyReads_ = 0;
    bool lastReadEmpty_ = true;
    int lastReadCount_ = 0;
};

} // namespace qx
