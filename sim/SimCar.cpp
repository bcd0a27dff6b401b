#include "SimCar.h"

#include "SimParameterBlock.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace qxsim {

namespace {

constexpr double MinRunningRpm = 300;
constexpr double StartSeconds = 1.0;
constexpr double StopSeconds = 0.8;
constexpr double WarmUpSeconds = 90;    // time constant of the warm-up
constexpr double CoolDownSeconds = 900;
constexpr double ProbeLagSeconds = 0.05;
constexpr double GasPercentPerSecondAtIdle = 0.02;

double approach(double value, double target, double seconds, double timeConstant)
{
    return value + (target - value) * (1 - std::exp(-seconds / timeConstant));
}

} // namespace

int tpsReading(double throttlePercent, bool falling)
{
    const double travel = throttlePercent * 2.2;
    return qRound(falling ? 230 - travel : 10 + travel);
}

void Ramp::setTarget(double target, double seconds)
{
    m_target = target;
    m_rate = seconds > 0 ? std::abs(target - m_value) / seconds : std::numeric_limits<double>::infinity();
}

void Ramp::advance(double seconds)
{
    const double step = m_rate * seconds;
    m_value = m_value < m_target ? qMin(m_target, m_value + step) : qMax(m_target, m_value - step);
}

void Car::setEngineRunning(bool running)
{
    if (running == m_state.engineRunning)
        return;
    m_state.engineRunning = running;
    m_rpm.setTarget(running ? m_targetRpm : 0, running ? StartSeconds : StopSeconds);
}

void Car::setTargetRpm(double rpm, double rampSeconds)
{
    m_targetRpm = qBound(MinTargetRpm, rpm, MaxRpm);
    if (m_state.engineRunning)
        m_rpm.setTarget(m_targetRpm, rampSeconds);
}

void Car::setThrottle(double percent, double rampSeconds)
{
    m_throttle.setTarget(qBound(0.0, percent, 100.0), rampSeconds);
}

void Car::setReducerScrew(int screw)
{
    m_state.reducerScrew = qBound(-100, screw, 100);
}

void Car::setCoolant(double celsius, double rampSeconds)
{
    m_coolantRamping = rampSeconds > 0;
    if (!m_coolantRamping) {
        m_state.coolantCelsius = celsius;
        return;
    }
    m_coolant = Ramp(m_state.coolantCelsius);
    m_coolant.setTarget(celsius, rampSeconds);
}

void Car::setProbe(ProbeKind kind, double deadVolts)
{
    m_state.probe = kind;
    m_state.deadProbeVolts = qBound(0.0, deadVolts, 5.0);
}

void Car::setTpsFalling(bool falling)
{
    m_state.tpsFalling = falling;
}

void Car::setMixture(double idlePosition, double risePer1000)
{
    m_state.mixturePosition = idlePosition;
    m_state.mixtureRisePer1000 = risePer1000;
}

void Car::setGasLevel(double percent)
{
    m_state.gasPercent = qBound(0.0, percent, 100.0);
}

void Car::advance(double seconds, const ParameterBlock &block)
{
    m_rpm.advance(seconds);
    m_throttle.advance(seconds);
    m_state.rpm = m_rpm.value();
    m_state.throttlePercent = m_throttle.value();
    advanceCoolant(seconds);
    advanceFuel(seconds, block);
    advanceLambda(seconds);
    advanceStepper(seconds, block);
}

void Car::advanceCoolant(double seconds)
{
    if (m_coolantRamping) {
        m_coolant.advance(seconds);
        m_state.coolantCelsius = m_coolant.value();
        m_coolantRamping = !m_coolant.reached();
        return;
    }
    m_state.coolantCelsius = m_state.engineRunning
            ? approach(m_state.coolantCelsius, WarmCelsius, seconds, WarmUpSeconds)
            : approach(m_state.coolantCelsius, AmbientCelsius, seconds, CoolDownSeconds);
}

// The controller starts every run on petrol and changes over once the engine
// has run the start delay, turns above the switch speed, is warm enough (when
// the temperature sensor is on) and the conditions held for the overlap time.
void Car::advanceFuel(double seconds, const ParameterBlock &block)
{
    const bool running = m_state.engineRunning && m_state.rpm >= MinRunningRpm;
    m_runningSeconds = running ? m_runningSeconds + seconds : 0;
    if (!running || m_state.gasPercent <= 0) {
        m_state.onGas = false;
        m_state.stepperPosition = 0;
        m_switchSeconds = 0;
        return;
    }
    if (m_state.onGas) {
        m_state.gasPercent = qMax(0.0, m_state.gasPercent - GasPercentPerSecondAtIdle * seconds * m_state.rpm / IdleRpm);
        return;
    }
    const bool ready = m_runningSeconds >= block.startDelaySeconds() && m_state.rpm >= block.switchRpm()
            && (!block.tempSensorOn() || m_state.coolantCelsius > block.switchTemperatureCelsius());
    m_switchSeconds = ready ? m_switchSeconds + seconds : 0;
    if (ready && m_switchSeconds >= block.switchDelaySeconds()) {
        m_state.onGas = true;
        m_state.stepperPosition = block.stepStart();
        m_stepSeconds = 0;
    }
}

// Where the stepper must stand for a stoichiometric gas mixture: further
// open at higher speed, less open the richer the reducer screw is set.
double Car::stoichiometricPosition() const
{
    return m_state.mixturePosition + (m_state.rpm - IdleRpm) * m_state.mixtureRisePer1000 / 1000
            - m_state.reducerScrew * 0.6;
}

// The probe swings once per cycle; the share of the cycle it spends rich
// follows the mixture. On petrol the car's own injection keeps it at half.
void Car::advanceLambda(double seconds)
{
    if (m_state.rpm < MinRunningRpm) {
        m_state.rich = false;
        m_lambdaPhase = 0;
    } else {
        const double period = qBound(0.3, 1000 / m_state.rpm, 1.5);
        const double richShare = m_state.onGas
                ? qBound(0.0, 0.5 + (m_state.stepperPosition - stoichiometricPosition()) / 60, 1.0)
                : 0.5;
        m_lambdaPhase = std::fmod(m_lambdaPhase + seconds / period, 1.0);
        m_state.rich = m_lambdaPhase < richShare;
    }
    m_state.lambda = approach(m_state.lambda, m_state.rich ? 1 : 0, seconds, ProbeLagSeconds);
}

// The controller closes the stepper a step at a time while the probe reads
// rich and opens it while lean, at the speed set for the throttle range.
void Car::advanceStepper(double seconds, const ParameterBlock &block)
{
    if (!m_state.onGas)
        return;
    const int tps = tpsReading(m_state.throttlePercent, m_state.tpsFalling);
    const bool aboveThreshold = block.tpsFalling() ? tps <= block.tpsThreshold() : tps >= block.tpsThreshold();
    const double interval = block.stepIntervalSeconds(aboveThreshold);
    for (m_stepSeconds += seconds; m_stepSeconds >= interval; m_stepSeconds -= interval) {
        const int step = m_state.rich ? -1 : 1;
        m_state.stepperPosition = qBound(block.stepMin(), m_state.stepperPosition + step, block.stepMax());
    }
}

} // namespace qxsim
