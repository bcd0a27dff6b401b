#include "SimWireLog.h"

#include <chrono>

namespace qxsim {

qint64 monotonicMicros()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

bool WireLog::openFile(const QString &path, QString *error)
{
    m_file.close();
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return true;
    *error = QStringLiteral("cannot write the wire log %1: %2").arg(path, m_file.errorString());
    return false;
}

void WireLog::append(const WireEvent &event)
{
    if (m_events.size() == Capacity)
        m_events.pop_front();
    m_events.push_back(event);
    if (event.fromProgram)
        ++m_bytesFromProgram;
    if (m_file.isOpen()) {
        m_file.write(QByteArray::number(event.micros) + (event.fromProgram ? " prog " : " ctrl ")
                     + QByteArray::number(event.byte, 16).rightJustified(2, '0') + '\n');
    }
}

void WireLog::flush()
{
    if (m_file.isOpen())
        m_file.flush();
}

void WireLog::clear()
{
    m_events.clear();
    m_bytesFromProgram = 0;
}

QVector<WireEvent> WireLog::events() const
{
    return newest(int(m_events.size()));
}

QVector<WireEvent> WireLog::newest(int count) const
{
    const int first = int(m_events.size()) - qBound(0, count, int(m_events.size()));
    return QVector<WireEvent>(m_events.begin() + first, m_events.end());
}

} // namespace qxsim
