#pragma once

#include <QList>
#include <QString>

namespace qx {

// The fields the Parameters page is checked on before it may be left.
struct LeaveFields
{
    QString startPosition; // Edit12
    QString stepMin;       // Edit11_1
    QString stepMax;       // Edit11_2
    QString startDelay;    // Edit14
    QString lambdaThreshold; // Edit2
    QString stepOpening;   // Edit18
};

struct LeaveMessage
{
    int key;        // language key of the text
    QString suffix; // appended after a space, or empty
};

struct LeaveVerdict
{
    bool allowed = true;
    QList<LeaveMessage> messages; // shown in this order, each in its own box
};

// Every check runs, so several messages can follow one another. A field that
// holds no number fails its check.
LeaveVerdict checkParametersPageLeave(const LeaveFields &fields);

namespace LeaveKey {
constexpr int StartDelay = 30009;
constexpr int LambdaThreshold = 30010;
constexpr int StepOpening = 30011;
constexpr int StartPositionRange = 30013;
constexpr int StartPositionAtLimit = 30014;
} // namespace LeaveKey

} // namespace qx
