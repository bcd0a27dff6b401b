#pragma once

#include "SimFault.h"

#include <QByteArray>

#include <deque>

namespace qxsim {

// Reply bytes waiting for their moment on the line: a reply starts at once
// (or after its delay) and then goes out one byte per pacing interval, the
// way a 9600-baud line delivers it.
class ReplyQueue
{
public:
    static constexpr qint64 NothingDue = -1;

    void add(const ShapedReply &reply, qint64 nowMicros, int pacingMicros);
    // Removes and returns the bytes whose time has come.
    QByteArray takeDue(qint64 nowMicros);
    qint64 nextDueMicros() const;  // NothingDue when empty
    void clear() { m_bytes.clear(); }

private:
    struct Pending
    {
        qint64 dueMicros;
        char byte;
    };
    std::deque<Pending> m_bytes;
};

} // namespace qxsim
