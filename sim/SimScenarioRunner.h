#pragma once

#include "SimScenario.h"

#include <QByteArray>
#include <QVector>

namespace qxsim {

// Plays a scenario's steps on the simulator's clock. The times of the steps
// after an "on HEX" line count from the moment the program has sent those
// bytes, so a scenario can follow the program step by step. Each awaited
// sequence is watched for from the moment the one before it came (or the
// scenario started), so a program quicker than the steps above it is not
// missed.
class ScenarioRunner
{
public:
    void start(const QVector<ScenarioStep> &steps, qint64 nowMicros);
    // The same steps from the top, timed from now.
    void rewind(qint64 nowMicros);
    // A byte the program sent.
    void programSent(quint8 byte, qint64 nowMicros);
    // The steps due by now, in order; a "loop" step starts the scenario over.
    QVector<ScenarioStep> due(qint64 nowMicros);

private:
    const QByteArray *awaited() const;

    QVector<ScenarioStep> m_steps;
    QVector<int> m_gates;         // indexes of the "on" steps
    QVector<qint64> m_gateTimes;  // when each awaited sequence came, in order
    QByteArray m_seen;            // the program's latest bytes, no longer than the awaited sequence
    int m_next = 0;
    int m_gatesPassed = 0;
    qint64 m_sectionStart = 0;
};

} // namespace qxsim
