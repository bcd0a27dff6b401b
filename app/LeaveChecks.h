#pragma once

#include "TextKeys.h"

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
    TextKey key;
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

} // namespace qx
