#pragma once

#include <QObject>
#include <QTimer>

// The one clock of the process that every flashing LED follows, so all LEDs
// of one frequency change state together. It ticks sixteen times a second and
// only while at least one LED is flashing.
class FlashClock : public QObject
{
    Q_OBJECT
public:
    // Full on-and-off cycles per second.
    enum Frequency { ff8Hz, ff4Hz, ff2Hz, ff1Hz, ff05Hz };
    Q_ENUM(Frequency)

    static FlashClock *instance();

    // True in the lit half of the frequency's cycle.
    bool isOnPhase(Frequency frequency) const;
    bool isRunning() const { return m_timer.isActive(); }

    // Flashing LEDs hold the clock running while they flash.
    void subscribe();
    void unsubscribe();

    // One sixteenth of a second on; the timer calls it, tests may too.
    void advance();

signals:
    void toggled(FlashClock::Frequency frequency);

private:
    explicit FlashClock(QObject *parent);

    QTimer m_timer;
    unsigned m_tick = 0;
    int m_subscribers = 0;
};
