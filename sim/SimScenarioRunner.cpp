#include "SimScenarioRunner.h"

namespace qxsim {

void ScenarioRunner::start(const QVector<ScenarioStep> &steps, qint64 nowMicros)
{
    m_steps = steps;
    m_gates.clear();
    for (int i = 0; i < m_steps.size(); ++i) {
        if (!m_steps[i].waitFor.isEmpty())
            m_gates.append(i);
    }
    rewind(nowMicros);
}

void ScenarioRunner::rewind(qint64 nowMicros)
{
    m_gateTimes.clear();
    m_seen.clear();
    m_next = 0;
    m_gatesPassed = 0;
    m_sectionStart = nowMicros;
}

const QByteArray *ScenarioRunner::awaited() const
{
    const int gate = int(m_gateTimes.size());
    return gate < m_gates.size() ? &m_steps[m_gates[gate]].waitFor : nullptr;
}

void ScenarioRunner::programSent(quint8 byte, qint64 nowMicros)
{
    const QByteArray *sequence = awaited();
    if (!sequence)
        return;
    m_seen.append(char(byte));
    if (m_seen.endsWith(*sequence)) {
        m_gateTimes.append(nowMicros);
        m_seen.clear();
    } else if (m_seen.size() > sequence->size()) {
        m_seen.remove(0, m_seen.size() - sequence->size());
    }
}

QVector<ScenarioStep> ScenarioRunner::due(qint64 nowMicros)
{
    QVector<ScenarioStep> steps;
    while (m_next < m_steps.size()) {
        const ScenarioStep &step = m_steps[m_next];
        if (!step.waitFor.isEmpty()) {
            if (m_gatesPassed >= m_gateTimes.size())
                break;
            m_sectionStart = m_gateTimes[m_gatesPassed++];
            ++m_next;
            continue;
        }
        if (m_sectionStart + qint64(step.atSeconds * 1e6) > nowMicros)
            break;
        if (step.restarts) {
            rewind(nowMicros);
            break;
        }
        steps.append(step);
        ++m_next;
    }
    return steps;
}

} // namespace qxsim
