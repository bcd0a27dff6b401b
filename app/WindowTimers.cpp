#include "WindowTimers.h"

namespace qx {

WindowTimers::WindowTimers(QObject *parent)
    : TimerObr("TimerObr", 100, parent), TimerParamOdcz("TimerParamOdcz", 200, parent),
      TimerWiz("TimerWiz", 50, parent), TimerAdaptTerm("TimerAdaptTerm", 100, parent),
      TimerUstTpsProg("TimerUstTpsProg", 100, parent), TimerKalibSonda("TimerKalibSonda", 100, parent),
      TimerPrzedRed("TimerPrzedRed", 100, parent), TimerRR("TimerRR", 100, parent),
      TimerMinMax1("TimerMinMax1", 100, parent), TimerMinMax2("TimerMinMax2", 100, parent)
{
}

QList<PollTimer *> WindowTimers::all()
{
    return {&TimerObr,        &TimerParamOdcz, &TimerWiz, &TimerAdaptTerm, &TimerUstTpsProg,
            &TimerKalibSonda, &TimerPrzedRed,  &TimerRR,  &TimerMinMax1,   &TimerMinMax2};
}

QList<PollTimer *> WindowTimers::running()
{
    QList<PollTimer *> active = all();
    active.removeIf([](const PollTimer *timer) { return !timer->isActive(); });
    return active;
}

void WindowTimers::stopAll()
{
    for (PollTimer *timer : all())
        timer->stop();
}

PageTimers WindowTimers::pageTimers()
{
    return {&TimerObr, &TimerParamOdcz, &TimerWiz, &TimerAdaptTerm};
}

AdaptationTimers WindowTimers::adaptationTimers()
{
    return {TimerAdaptTerm, TimerUstTpsProg, TimerKalibSonda, TimerPrzedRed, TimerRR, TimerMinMax1, TimerMinMax2};
}

} // namespace qx
