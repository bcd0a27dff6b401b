#include "SimReplyQueue.h"

namespace qxsim {

void ReplyQueue::add(const ShapedReply &reply, qint64 nowMicros, int pacingMicros)
{
    const int pacing = reply.unpaced ? 0 : pacingMicros;
    // A reply never overtakes one still going out.
    qint64 due = nowMicros + qint64(reply.delayMs) * 1000;
    if (!m_bytes.empty())
        due = qMax(due, m_bytes.back().dueMicros + pacing);
    for (char byte : reply.bytes) {
        m_bytes.push_back({due, byte});
        due += pacing;
    }
}

QByteArray ReplyQueue::takeDue(qint64 nowMicros)
{
    QByteArray due;
    while (!m_bytes.empty() && m_bytes.front().dueMicros <= nowMicros) {
        due.append(m_bytes.front().byte);
        m_bytes.pop_front();
    }
    return due;
}

qint64 ReplyQueue::nextDueMicros() const
{
    return m_bytes.empty() ? NothingDue : m_bytes.front().dueMicros;
}

} // namespace qxsim
