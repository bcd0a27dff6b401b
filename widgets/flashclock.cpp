#include "flashclock.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
// Ticks per half cycle is 2^bit: 8 Hz turns every tick, 0.5 Hz every 16 ticks.
int halfCycleBit(FlashClock::Frequency f)
{
    return int(f);
}
const FlashClock::Frequency allFrequencies[] = {FlashClock::ff8Hz, FlashClock::ff4Hz, FlashClock::ff2Hz,
                                                FlashClock::ff1Hz, FlashClock::ff05Hz};
} // namespace

FlashClock *FlashClock::instance()
{
    // Owned by the application, so it goes with it and never outlives its event loop.
    static QPointer<FlashClock> clock;
    if (!clock)
        clock = new FlashClock(QCoreApplication::instance());
    return clock;
}

FlashClock::FlashClock(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(62);
    connect(&m_timer, &QTimer::timeout, this, &FlashClock::advance);
}

bool FlashClock::isOnPhase(Frequency frequency) const
{
    return ((m_tick >> halfCycleBit(frequency)) & 1u) == 0;
}

void FlashClock::subscribe()
{
    if (++m_subscribers == 1)
        m_timer.start();
}

void FlashClock::unsubscribe()
{
    if (m_subscribers > 0 && --m_subscribers == 0)
        m_timer.stop();
}

void FlashClock::advance()
{
    const unsigned before = m_tick++;
    // A sixteenth of a second is 62.5 ms: alternate 62 and 63.
    m_timer.setInterval(m_tick % 2 ? 63 : 62);
    for (Frequency f : allFrequencies) {
        const int bit = halfCycleBit(f);
        if (((before >> bit) & 1u) != ((m_tick >> bit) & 1u))
            emit toggled(f);
    }
}
