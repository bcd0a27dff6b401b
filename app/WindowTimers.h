#pragma once

#include "AdaptationRun.h"
#include "PageNavigator.h"
#include "PollTimer.h"

#include <QList>

namespace qx {

// The window's ten polling timers, each known by its name, all made stopped;
// page changes keep at most one running: each polling page's, and the
// adaptation steps'.
struct WindowTimers
{
    explicit WindowTimers(QObject *parent);

    PollTimer TimerObr;
    PollTimer TimerParamOdcz;
    PollTimer TimerWiz;
    PollTimer TimerAdaptTerm;
    PollTimer TimerUstTpsProg;
    PollTimer TimerKalibSonda;
    PollTimer TimerPrzedRed;
    PollTimer TimerRR;
    PollTimer TimerMinMax1;
    PollTimer TimerMinMax2;

    QList<PollTimer *> all();
    QList<PollTimer *> running();
    void stopAll();
    PageTimers pageTimers();
    AdaptationTimers adaptationTimers();
};

} // namespace qx
